#include "gui/kurzlabel.h"

#include <QFontMetrics>

TKurzLabel::TKurzLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void TKurzLabel::VollTextSetzen(const QString& text) {
    voll_ = text;
    Kuerzen();
}

void TKurzLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    Kuerzen();
}

void TKurzLabel::Kuerzen() {
    const QString gezeigt = fontMetrics().elidedText(voll_, Qt::ElideRight, contentsRect().width());
    if (gezeigt != text()) setText(gezeigt);
    setToolTip(gezeigt == voll_ ? QString() : KlartextTooltip(voll_));
}

QString KlartextTooltip(const QString& text) {
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}
