#pragma once
#include <QDialog>
#include <string>

#include "core/transfers.h"

class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QToolButton;
class TDialoge;

// "Optionen": the game directory and the replay library folder. The edits hold the values
// being edited; OK takes them over into DOWVerzeichnis and ReplayVerzeichnis, offers to
// copy the old library into a new folder and writes config.ini. The main window creates
// it anew for every opening and shows it modally; it frees itself however it is closed.
// The dialogs interface must outlive it.
class TfrmOptionen : public QDialog {
    Q_OBJECT

public:
    TfrmOptionen(QWidget* owner, TDialoge& dialoge);

    QGroupBox* grpDOW;
    QGroupBox* grpReplay;
    QPushButton* btnOk;
    QPushButton* btnAbbrechen;
    QLineEdit* edtDOWVerzeichnis;
    QLineEdit* edtReplayVerzeichnis;
    QToolButton* sbtDOWWechseln;
    QToolButton* sbtReplayWechseln;

    void sbtDOWWechselnClick();
    void sbtReplayWechselnClick();
    void btnOkClick();
    void btnAbbrechenClick();
    void FormCreate();
    void FormClose();

    // Moves the library: every replay of Alt into Neu, then "Alte Replays löschen?" (asked
    // always) and on Yes the deletion pass. Returns what became of each replay file of Alt.
    TKopierbericht AlleReplaysKopieren(const std::string& Alt, const std::string& Neu);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Neither button is the default or the cancel button: Enter and Esc press nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TDialoge& dialoge_;
};
