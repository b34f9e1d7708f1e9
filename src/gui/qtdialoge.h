#pragma once
#include <QPointer>
#include <QWidget>

#include "gui/dialoge.h"

// The application title: caption of every plain message box and of the task-bar entry.
inline constexpr char kAnwendungstitel[] = "Quellarch";

// The boxes and choosers of the running program, built from Qt widgets. Every text is
// shown as plain text, so a replay named "<b>x</b>" reads exactly so. The buttons are
// named by the program ("Ja", "Nein", "OK", "Abbrechen"), in the program's language
// rather than the system's, and Esc answers a question with "Nein".
class TQtDialoge : public TDialoge {
public:
    explicit TQtDialoge(QWidget* eltern = nullptr) : eltern_(eltern) {}
    // The window the boxes are centred on and modal to; may be set after the window exists.
    void SetEltern(QWidget* eltern) { eltern_ = eltern; }

    void Nachricht(const std::string& text) override;
    bool Frage(const std::string& text, const std::string& titel) override;
    bool Eingabe(const std::string& titel, const std::string& prompt, std::string& text,
                 const TEingaberegeln& regeln) override;
    bool OrdnerWaehlen(const std::string& titel, std::string& ordner) override;

private:
    // The open modal dialog when there is one (the options dialog stays on top of other
    // windows, so a box owned by the main window could open behind it), else eltern_.
    QWidget* Besitzer() const;
    QPointer<QWidget> eltern_;
};
