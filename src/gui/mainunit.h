#pragma once
#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

#include "core/siegbedingungen.h"
#include "gui/regionaleinstellungen.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TCheckSortGrid;
class TDialoge;

// frmMain, the program's one window: the replay list on the left, the selected replay in
// detail on the right, a tool bar, three buttons and a menu. Controls and handlers are
// declared together and named after each other (grdReplays -> grdReplaysClickCell).
// Every handler connected to a control runs through the default error box (MitFehlerbox).
//
// The window keeps no replay data of its own: the grids hold texts and check boxes, and
// the fixed number column (lsNummer) of each list row holds the number n of
// Replays[n - 1]. Only the search texts of the last scan are kept beside Replays, so that
// a keystroke in the search folds nothing but what was typed; they are folded at the first
// search after the scan, so a refresh with no search pays nothing for them.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // The start-up sequence (FormCreate) runs here, before the window is first shown.
    // dialoge must outlive the window. initialisieren reads the settings; tests hand in a
    // function that sets DOWVerzeichnis and ReplayVerzeichnis directly. regional gives the
    // date text of the list and the grids' sort.
    explicit TfrmMain(TDialoge& dialoge,
                      Regionaleinstellungen regional = Regionaleinstellungen::AusSystem(),
                      std::function<bool()> initialisieren = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // ---- Controls (owned by Qt as children of the window).
    QFrame* tlbMain;
    QToolButton* tbtRefresh;
    QToolButton* tbtKopieren;
    QLineEdit* edtSuche;
    QLabel* lblTreffer;
    TCheckSortGrid* grdReplays;
    QFrame* pnlRechts;
    QLabel* lblReplayname;
    QLabel* lblDateiname;
    TCheckSortGrid* grdSpieler;
    QGroupBox* grpSiegbedingungen;
    QCheckBox* chkVernichtung;
    QCheckBox* chkAttentat;
    QCheckBox* chkKontrollgebiet;
    QCheckBox* chkHQ;
    QCheckBox* chkOeko;
    QCheckBox* chkErobern;
    QCheckBox* chkSuddenDeath;
    QPushButton* btnKopieren;
    QPushButton* btnUmbenennen;
    QPushButton* btnDOW;
    QMenu* Datei1;
    QAction* Beenden1;
    QAction* mbtOptionen;
    QMenu* Hilfe1;
    QAction* UeberQuellarch1;

    // ---- Start-up and list (mainunit.cpp, mainunit_liste.cpp).
    // Reads the settings, then either asks for them or sets up the header box, offers the
    // Playback import and fills the list. Every error ends it silently.
    void FormCreate();
    void KopfCheckboxSetzen();
    // Rescans the library and refills the list and, when it is not empty, the panel.
    void ListeAktualisieren();
    // Shows Replays[Index]; an index outside Replays changes nothing.
    void DetailsAnzeigen(int Index);
    // The detail panel's heading, with room for what its marks pile above and below.
    void UeberschriftSetzen(const QString& text);
    void grdReplaysClickCell(TCheckSortGrid* Sender, int ARow, int ACol);
    // The panel follows the current row however the user moved it, so the highlighted
    // row, the panel and the target of "Umbenennen" are always one replay.
    void grdReplaysZeileGewechselt(TCheckSortGrid* Sender, int ARow);
    void grdReplaysCanEditCell(TCheckSortGrid* Sender, int ARow, int ACol, bool& CanEdit);
    void grdReplaysColumnMove(TCheckSortGrid* Sender, int ACol, bool& Allow);

    // ---- Search (mainunit_suche.cpp).
    // Every keystroke in edtSuche: the list shows only the replays that match.
    void edtSucheChange();
    // Hides the rows whose replay does not match edtSuche's text and shows the others.
    // Numbers, check marks, the order and the panel stay; lblTreffer shows
    // "<shown> von <all>" while the search holds a word.
    void SucheAnwenden();

    // ---- Commands (mainunit_befehle.cpp).
    void tbtRefreshClick();
    void tbtKopierenClick();
    void btnKopierenClick();
    void btnUmbenennenClick();
    void btnDOWClick();
    void mbtOptionenClick();
    void Beenden1Click();
    void UeberQuellarch1Click();
    // The import from the game's Playback folder, with its question and count message.
    void NeueReplaysKopieren();
    // "Replays kopieren": Playback emptied into the library, then the checked replays in.
    void AuswahlNachPlaybackKopieren();

private:
    // The win conditions' check boxes, in the order of kSiegbedingungen.
    static QCheckBox* TfrmMain::* const kSiegbedingungsboxen[kSiegbedingungen.size()];

    void FormularAufbauen();
    void ListeAufbauen();
    void DetailsAufbauen();
    void MenueAufbauen();
    void SucheAufbauen();
    // The replay the number in row ARow's lsNummer column names; nullptr when the number
    // lies outside Replays. Raises Fehler when the cell holds no number.
    const class TReplay* ReplayInZeile(int ARow) const;

    TDialoge& dialoge_;
    Regionaleinstellungen regional_;
    std::function<bool()> initialisieren_;
    std::vector<std::string> suchtexte_;  // Suchtext of Replays[i], from the last refresh
    bool suchtexteGefaltet_ = false;      // suchtexte_ belongs to the last refresh's scan
};
