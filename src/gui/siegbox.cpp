#include "gui/siegbox.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>

namespace {

// Swallows the mouse and the keys, so nothing but SiegboxSetzen changes the box.
class TNurAnzeige : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

QCheckBox* Siegbox(QGroupBox* gruppe, const char* name, const QString& text, int top) {
    auto* box = new QCheckBox(text, gruppe);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(8, top, 137, 17);
    // Read-only without the greyed look of a disabled box: the mouse passes through it
    // and the keys never reach it.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->installEventFilter(new TNurAnzeige(box));
    box->setFocusPolicy(Qt::NoFocus);
    SiegboxSetzen(box, false);
    return box;
}

void SiegboxSetzen(QCheckBox* box, bool gesetzt) {
    box->setChecked(gesetzt);
    // An unset condition's caption steps back; a set one reads like any text.
    QPalette farben = box->parentWidget()->palette();
    if (!gesetzt) farben.setColor(QPalette::WindowText, farben.color(QPalette::Disabled, QPalette::WindowText));
    box->setPalette(farben);
}
