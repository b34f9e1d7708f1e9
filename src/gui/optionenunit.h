#pragma once
#include <QDialog>
#include <optional>
#include <string>

#include "core/transfers.h"

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TInstallationsliste;
class QPushButton;
class QToolButton;
class TDialoge;

// "Optionen": the game directory, the replay library folder and the language. The edits
// hold the values being edited; OK checks them, takes them over into DOWVerzeichnis and
// ReplayVerzeichnis, offers to copy the old library into a new folder, writes config.ini
// (the language as "Sprache", which the next start loads) and accepts the dialog. Enter is OK, Esc is "Abbrechen". The main window creates
// it anew for every opening and shows it modally; it frees itself however it is closed.
// The dialogs interface must outlive it.
class TfrmOptionen : public QDialog {
    Q_OBJECT

public:
    TfrmOptionen(QWidget* owner, TDialoge& dialoge);

    QGroupBox* grpDOW;
    QGroupBox* grpReplay;
    QGroupBox* grpSprache;
    QComboBox* cmbSprache;  // "Automatisch", "Deutsch", "English"
    QLabel* lblSpracheHinweis;
    QPushButton* btnOk;
    QPushButton* btnAbbrechen;
    QLineEdit* edtDOWVerzeichnis;
    QLineEdit* edtReplayVerzeichnis;
    QToolButton* sbtDOWWechseln;
    QToolButton* sbtReplayWechseln;
    // The installations found; a pick fills the game folder and chooses its program.
    QGroupBox* grpInstallationen;
    TInstallationsliste* lstInstallationen;
    // "Weitere Playback-Ordner", one folder a line.
    QGroupBox* grpWeitere;
    QPlainTextEdit* edtWeitere;
    // "Neue Spiele" (optionenunit_speichern.cpp).
    QGroupBox* grpSpeichern;
    QCheckBox* chkAutoSpeichern;
    QLineEdit* edtNamensvorlage;
    QLabel* lblVorschau;

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

private:
    // The edit's folder as it is to be stored: "~" expanded, and a folder that exists with
    // its final separator. Nothing, after a message, for a Windows path on POSIX.
    std::optional<std::string> OrdnerPruefen(QLineEdit* edit);
    // A game folder without W40k.exe or Playback is named with what it lacks, and taken
    // only when the user says so.
    bool SpielordnerAnnehmen(const std::string& pfad);
    // A library folder that does not exist is offered to be created; pfad then gets its
    // final separator. False keeps the dialog open.
    bool BibliothekAnnehmen(std::string& pfad);

    // The group "Neue Spiele" at top, filled from AutoSpeichern and Namensvorlage; OK takes
    // it over and writes it to config.ini.
    void SpeichernAufbauen(int top);
    std::string VorlageAusFeld() const;
    static QString StandardvorlageText();
    void VorschauZeigen();
    void SpeichernUebernehmen();

    TDialoge& dialoge_;
    // The program picked with the folder, or DOWProgramm; a folder typed since counts alone.
    std::string programm_;
    std::string programmOrdner_;
};
