#pragma once
#include <QLabel>
#include <QString>

// A one-line label for names from files: plain text always, and a text too long for the
// label's width ends in "…" with the whole text as its tooltip.
class TKurzLabel : public QLabel {
    Q_OBJECT

public:
    explicit TKurzLabel(QWidget* parent = nullptr);
    void VollTextSetzen(const QString& text);
    const QString& VollText() const { return voll_; }
    // Whether the text shown is cut.
    bool Gekuerzt() const { return text() != voll_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Kuerzen();
    QString voll_;
};

// A tooltip that shows text literally: QToolTip takes anything that might be mark-up
// ("<b>x</b>") as rich text.
QString KlartextTooltip(const QString& text);
