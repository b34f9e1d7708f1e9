#include "gui/menuetasten.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>

namespace {

void ErstesMenueOeffnen(QMenuBar* leiste) {
    if (!leiste->actions().isEmpty()) leiste->setActiveAction(leiste->actions().constFirst());
}

// Watches the keys of the whole application for the window's sake: an Alt that goes up
// without another key or a click in between.
class TAltTaste : public QObject {
public:
    TAltTaste(QWidget* fenster, QMenuBar* leiste) : QObject(fenster), fenster_(fenster), leiste_(leiste) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override {
        switch (e->type()) {
            case QEvent::KeyPress: {
                const auto* taste = static_cast<QKeyEvent*>(e);
                allein_ = taste->key() == Qt::Key_Alt && taste->modifiers() == Qt::AltModifier && ImFenster(objekt);
                break;
            }
            case QEvent::KeyRelease: {
                const auto* taste = static_cast<QKeyEvent*>(e);
                if (taste->key() == Qt::Key_Alt && allein_ && ImFenster(objekt) && !leiste_->activeAction()) {
                    allein_ = false;
                    ErstesMenueOeffnen(leiste_);
                    return true;
                }
                if (taste->key() != Qt::Key_Alt) allein_ = false;
                break;
            }
            case QEvent::MouseButtonPress:
            case QEvent::FocusOut:
                allein_ = false;
                break;
            default:
                break;
        }
        return false;
    }

private:
    bool ImFenster(QObject* objekt) const {
        auto* w = qobject_cast<QWidget*>(objekt);
        return w && w->window() == fenster_ && !QApplication::activePopupWidget() &&
               !QApplication::activeModalWidget();
    }

    QWidget* fenster_;
    QMenuBar* leiste_;
    bool allein_ = false;
};

}  // namespace

void MenueTastenEinrichten(QWidget* fenster, QMenuBar* leiste) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), fenster);
    QObject::connect(f10, &QShortcut::activated, leiste, [leiste] { ErstesMenueOeffnen(leiste); });
    if (!leiste->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, leiste))
        new TAltTaste(fenster, leiste);
}
