#pragma once
#include <QMainWindow>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/dateistempel.h"

#include "core/siegbedingungen.h"
#include "gui/regionaleinstellungen.h"

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QToolButton;
class TKurzLabel;
class TCheckSortGrid;
class TDialoge;
class TLiveBibliothek;
class TSuche;
struct TBibliotheksaenderung;
struct TSpeicherung;

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
    // The list on the left, the panel and its buttons on the right; the user may move
    // the line between them.
    QSplitter* splMain;
    TCheckSortGrid* grdReplays;
    // The panel scrolls when the window is too low for it.
    QScrollArea* sbxRechts;
    QFrame* pnlRechts;
    TKurzLabel* lblReplayname;
    TKurzLabel* lblDateiname;
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
    QAction* Aktualisieren1;  // F5, as tbtRefresh
    QAction* Importieren1;    // Ctrl+I, as tbtKopieren
    QAction* Loeschen1;           // Del
    QAction* DateiUmbenennen1;    // F2
    QAction* DateinamenBilden1;
    QAction* ImOrdnerAnzeigen1;
    QAction* Kopieren1;           // Ctrl+C: the replays as files on the clipboard
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
    // Empties the panel: no name, no players, no condition set; hinweis (may be empty)
    // stands where the file name would.
    void PanelLeeren(const QString& hinweis);
    // The line at the window's foot that answers every command.
    void StatusMelden(const QString& text);
    // What the user has to look at: the status line, and a box.
    void StatusUndNachricht(const QString& text);
    // The detail panel's heading, with room for what its marks pile above and below.
    void UeberschriftSetzen(const QString& text);
    void grdReplaysClickCell(TCheckSortGrid* Sender, int ARow, int ACol);
    // The panel follows the current row however the user moved it, so the highlighted
    // row, the panel and the target of "Umbenennen" are always one replay.
    void grdReplaysZeileGewechselt(TCheckSortGrid* Sender, int ARow);
    void grdReplaysCanEditCell(TCheckSortGrid* Sender, int ARow, int ACol, bool& CanEdit);
    void grdReplaysColumnMove(TCheckSortGrid* Sender, int ACol, bool& Allow);

    // ---- The live library (mainunit_live.cpp).
    // Watches the folders the last scan read: the library's changes reach the list, and
    // new games in Playback are saved when AutoSpeichern is on.
    void LiveStarten();
    // Applies the library's changes to Replays and the list, keeping the user's place.
    void LiveAenderungen(std::vector<TBibliotheksaenderung>& aenderungen);
    // An automatic save that put a game into the library, or failed.
    void LiveGespeichert(const TSpeicherung& speicherung);
    TLiveBibliothek* Live() { return live_; }

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
    // Whether a Playback folder of any installation (AllePlaybackOrdner) holds a replay
    // whose bytes the library does not hold under any name and that the user did not delete.
    bool PlaybackHatNeue();
    // The import from the game's Playback folder, with its question and count message;
    // gives the count line back for the status line.
    QString NeueReplaysKopieren();
    // Why a typed name cannot become a replay's name (UTF-8), or "" when it can.
    static std::string NamensFehler(const std::string& text);
    // "Replays kopieren": Playback emptied into the library, then the checked replays in.
    void AuswahlNachPlaybackKopieren();

    // ---- The replay files themselves (mainunit_dateien.cpp, mainunit_ziehen.cpp). Each acts
    // on the ticked replays the list shows, or on the current one when none is ticked;
    // ticked ones the search hides are left alone and counted.
    // "Löschen": into the system's trash, never for good, after one question.
    void Loeschen1Click();
    // "Datei umbenennen…": the current replay's file, keeping ".rec".
    void DateiUmbenennen1Click();
    // "Dateinamen aus Replays bilden…": by the naming template, old -> new shown first.
    void DateinamenBilden1Click();
    void ImOrdnerAnzeigen1Click();
    void Kopieren1Click();
    // Copies dropped .rec files, and the replays of dropped folders, into the library.
    void DateienAufnehmen(const std::vector<std::string>& pfade);
    // A right-click on a ticked row acts on the ticked; on another row on that row alone,
    // which becomes current.
    void grdReplaysKontextmenue(TCheckSortGrid* Sender, int ARow, QPoint Global);
    void grdReplaysZiehen(TCheckSortGrid* Sender, int ARow);
    // Opens the file manager at a file (UTF-8 path); tests put their own in.
    std::function<bool(const std::string&)> OrdnerZeigen;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;
    // Closing keeps the window's layout in config.ini for the next start.
    void closeEvent(QCloseEvent* ereignis) override;

private:
    // ---- The window's layout (mainunit_ansicht.cpp).
    // The designed 796 x 549 client area, shrunk to what the screen offers, placed at
    // 245, 182 or, where that is not wholly on the screen, in the screen's middle.
    void StandardlageSetzen();
    // The section "Fenster" of config.ini: size, place and maximised state, the splitter,
    // the columns, the sort and the current replay. Nothing read is trusted: a place off
    // every screen gives the default, an unknown column is skipped.
    void AnsichtLaden();
    void AnsichtSpeichern() const;

    // What the user sees of the list, kept over a refresh: ticks and the current row by
    // replay file, and the scroll position. The sort lives in the grid itself.
    struct TListenansicht {
        std::vector<std::string> Angekreuzt;
        std::string Aktuell;
        int AktuelleZeile = -1;
        int Rollen = 0;
    };
    TListenansicht ListenansichtMerken() const;
    void ListenansichtHerstellen(const TListenansicht& ansicht);
    // The file name of the replay row ARow shows; empty for a row without one.
    std::string DateinameInZeile(int ARow) const;
    // Why the folders do not allow a transfer (UTF-8): the game folder, with playback its
    // Playback folder, and the library; "" when they do. OrdnerBereit tells the user.
    std::string OrdnerFehler(bool playback) const;
    bool OrdnerBereit(bool playback);
    // Says after a scan which files could not be read, once for each new set of them.
    void ScanMelden(const class TScanMeldungen& meldungen);

    // What a file command acts on: the library files, each with the stamp the list read it
    // at, and the ticked ones the search hides.
    struct TBefehlsziel {
        std::vector<std::string> Dateien;
        std::vector<std::optional<plattform::Dateistempel>> Stempel;
        std::vector<std::string> Ausgeblendet;
    };
    TBefehlsziel Befehlsziel() const;
    // Moves one library file to the trash; "" when it went, else why not.
    QString InPapierkorb(const std::string& name, const std::optional<plattform::Dateistempel>& erwartet);
    // Where a row's context menu is open on an unticked row: the commands take that row alone.
    int nurZeile_ = -1;

    // The win conditions' check boxes, in the order of kSiegbedingungen.
    static QCheckBox* TfrmMain::* const kSiegbedingungsboxen[kSiegbedingungen.size()];

    // A row's cells from Replays[index], for a fill and for the live list.
    void ZeileFuellen(int zeile, int index);
    // The live list's steps: the index in Replays of a file, the row of an index, and a
    // changed row put where the search and the sort want it.
    int ReplayIndexVon(const std::string& datei) const;
    int ZeileVonIndex(int index) const;
    void ZeileEinordnen(int zeile, int index, const TSuche& suche);
    void ReplayEntfernen(int index);

    void FormularAufbauen();
    void ListeAufbauen();
    void DetailsAufbauen();
    void MenueAufbauen();
    void SucheAufbauen();
    // The index in Replays of the replay the number in row ARow's lsNummer column names,
    // and the replay itself; -1 or nullptr for a row without a number (the empty row of an
    // empty list) or with one outside Replays.
    int IndexInZeile(int ARow) const;
    const class TReplay* ReplayInZeile(int ARow) const;

    TDialoge& dialoge_;
    Regionaleinstellungen regional_;
    std::function<bool()> initialisieren_;
    std::vector<std::string> suchtexte_;  // Suchtext of Replays[i], from the last refresh
    bool suchtexteGefaltet_ = false;      // suchtexte_ belongs to the last refresh's scan
    std::vector<std::string> gemeldeteFehler_;  // the unreadable files the last box named
    std::string startReplay_;                   // the replay current when the window last closed
    TLiveBibliothek* live_;
    std::string zuletztGespeichert_;  // the library file the last automatic save made
};
