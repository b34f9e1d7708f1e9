#include "gui/mainunit.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/platform/dateisystem.h"
#include "core/spiel/playbackordner.h"
#include "core/transfers.h"
#include "core/variablen.h"
#include "gui/dialoge.h"
#include "gui/fehlerbox.h"
#include "gui/glyphen.h"
#include "gui/grid.h"
#include "gui/kerntexte.h"
#include "gui/gridspalten.h"
#include "gui/kurzlabel.h"
#include "gui/livebibliothek.h"
#include "gui/menuetasten.h"
#include "gui/platform/ordneranzeige.h"
#include "gui/schriften.h"
#include "gui/siegbox.h"

namespace {

// The panel's designed size; a bigger window gives it more height, a smaller one scrolls it.
constexpr int kPanelBreite = 337;
constexpr int kPanelHoehe = 484;

// The buttons keep their designed size. Windows' own "MS Sans Serif" fits every caption;
// a wider stand-in (Wine's, or Linux's fonts) would clip "Replays kopieren", so the caption
// then gets a smaller size, down to 8 px, until it fits beside the button's frame.
void BeschriftungEinpassen(QPushButton* knopf) {
    constexpr int kRahmen = 10;
    QFont f = knopf->font();
    const QString text = QString(knopf->text()).remove(QLatin1Char('&'));
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(text) > knopf->width() - kRahmen)
        f.setPixelSize(f.pixelSize() - 1);
    knopf->setFont(f);
}

QPushButton* Knopf(QWidget* eltern, const QString& text, const char* name) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setFixedSize(97, 25);
    BeschriftungEinpassen(knopf);
    return knopf;
}

}  // namespace

QCheckBox* TfrmMain::* const TfrmMain::kSiegbedingungsboxen[kSiegbedingungen.size()] = {
    &TfrmMain::chkVernichtung, &TfrmMain::chkAttentat, &TfrmMain::chkKontrollgebiet, &TfrmMain::chkHQ,
    &TfrmMain::chkOeko,        &TfrmMain::chkErobern,  &TfrmMain::chkSuddenDeath};

TfrmMain::TfrmMain(TDialoge& dialoge, Regionaleinstellungen regional, std::function<bool()> initialisieren,
                   QWidget* parent)
    : QMainWindow(parent),
      dialoge_(dialoge),
      regional_(std::move(regional)),
      initialisieren_(initialisieren ? std::move(initialisieren) : std::function<bool()>(VariablenInitialisieren)),
      live_(new TLiveBibliothek(this)) {
    OrdnerZeigen = ImOrdnerZeigen;
    live_->OnAenderungen = MitFehlerbox(dialoge_, this, &TfrmMain::LiveAenderungen);
    live_->OnGespeichert = MitFehlerbox(dialoge_, this, &TfrmMain::LiveGespeichert);
    FormularAufbauen();
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormularAufbauen() {
    setObjectName(QStringLiteral("frmMain"));
    // The version is the one set in project().
    setWindowTitle(QStringLiteral("Quellarch v" QUELLARCH_VERSION));
    setFont(FensterSchrift(11));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    auto* spalte = new QVBoxLayout(client);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    tlbMain = new QFrame(client);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setFixedHeight(29);
    auto* leiste = new QHBoxLayout(tlbMain);
    leiste->setContentsMargins(0, 2, 0, 2);
    leiste->setSpacing(0);
    spalte->addWidget(tlbMain);
    tbtRefresh = new QToolButton(tlbMain);
    tbtKopieren = new QToolButton(tlbMain);
    struct Werkzeug {
        QToolButton* knopf;
        const char* name;
        QString text;
        QString hinweis;
        QIcon glyph;
    };
    // A short text beside each glyph, so the buttons say what they do without a mouse.
    for (const Werkzeug& w : {Werkzeug{tbtRefresh, "tbtRefresh", tr("Aktualisieren"), tr("Liste aktualisieren"),
                                       GlyphAktualisieren()},
                              Werkzeug{tbtKopieren, "tbtKopieren", tr("Importieren"),
                                       tr("Replays aus Playback-Verzeichnis kopieren"), GlyphKopieren()}}) {
        w.knopf->setObjectName(QString::fromLatin1(w.name));
        w.knopf->setText(w.text);
        w.knopf->setToolTip(w.hinweis);
        w.knopf->setIcon(w.glyph);
        w.knopf->setIconSize(QSize(16, 16));
        w.knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        w.knopf->setFixedHeight(23);
        w.knopf->setAutoRaise(true);
        w.knopf->setFocusPolicy(Qt::TabFocus);
        leiste->addWidget(w.knopf);
    }
    leiste->addSpacing(6);

    splMain = new QSplitter(Qt::Horizontal, client);
    splMain->setObjectName(QStringLiteral("splMain"));
    splMain->setHandleWidth(7);
    splMain->setChildrenCollapsible(false);
    spalte->addWidget(splMain, 1);

    SucheAufbauen();
    ListeAufbauen();
    DetailsAufbauen();
    MenueAufbauen();

    // The list takes what the window gains; the panel keeps its width.
    splMain->setStretchFactor(0, 1);
    splMain->setStretchFactor(1, 0);
    splMain->setSizes({449, kPanelBreite + 3});

    // The status bar answers every command; the window is taller by its height.
    statusBar()->setObjectName(QStringLiteral("sbrStatus"));

    // Tab order in the order the controls are seen: the tool bar left to right, the
    // list, the panel, the buttons left to right.
    setTabOrder(tbtRefresh, tbtKopieren);
    setTabOrder(tbtKopieren, edtSuche);
    setTabOrder(edtSuche, grdReplays);
    setTabOrder(grdReplays, grdSpieler);
    setTabOrder(grdSpieler, btnKopieren);
    setTabOrder(btnKopieren, btnUmbenennen);
    setTabOrder(btnUmbenennen, btnDOW);

    grdReplays->setFocus();

    Verbinden(dialoge_, tbtRefresh, &QToolButton::clicked, this, &TfrmMain::tbtRefreshClick);
    Verbinden(dialoge_, tbtKopieren, &QToolButton::clicked, this, &TfrmMain::tbtKopierenClick);
    Verbinden(dialoge_, btnKopieren, &QPushButton::clicked, this, &TfrmMain::btnKopierenClick);
    Verbinden(dialoge_, btnUmbenennen, &QPushButton::clicked, this, &TfrmMain::btnUmbenennenClick);
    Verbinden(dialoge_, btnDOW, &QPushButton::clicked, this, &TfrmMain::btnDOWClick);
    Verbinden(dialoge_, Aktualisieren1, &QAction::triggered, this, &TfrmMain::tbtRefreshClick);
    Verbinden(dialoge_, Importieren1, &QAction::triggered, this, &TfrmMain::tbtKopierenClick);
    Verbinden(dialoge_, mbtOptionen, &QAction::triggered, this, &TfrmMain::mbtOptionenClick);
    Verbinden(dialoge_, Beenden1, &QAction::triggered, this, &TfrmMain::Beenden1Click);
    Verbinden(dialoge_, Loeschen1, &QAction::triggered, this, &TfrmMain::Loeschen1Click);
    Verbinden(dialoge_, DateiUmbenennen1, &QAction::triggered, this, &TfrmMain::DateiUmbenennen1Click);
    Verbinden(dialoge_, DateinamenBilden1, &QAction::triggered, this, &TfrmMain::DateinamenBilden1Click);
    Verbinden(dialoge_, ImOrdnerAnzeigen1, &QAction::triggered, this, &TfrmMain::ImOrdnerAnzeigen1Click);
    Verbinden(dialoge_, Kopieren1, &QAction::triggered, this, &TfrmMain::Kopieren1Click);
    // Replay files dropped anywhere on the window go into the library.
    setAcceptDrops(true);
    Verbinden(dialoge_, UeberQuellarch1, &QAction::triggered, this, &TfrmMain::UeberQuellarch1Click);

    // The list's least width beside the panel's buttons.
    setMinimumSize(540, 300);
    StandardlageSetzen();
}

void TfrmMain::ListeAufbauen() {
    grdReplays = new TCheckSortGrid(splMain);
    grdReplays->setObjectName(QStringLiteral("grdReplays"));
    grdReplays->setMinimumWidth(200);
    ReplayGridEinrichten(grdReplays, regional_);
    splMain->addWidget(grdReplays);
    grdReplays->OnClickCell = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysClickCell);
    grdReplays->OnZeileGewechselt = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysZeileGewechselt);
    grdReplays->OnCanEditCell = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysCanEditCell);
    grdReplays->OnColumnMove = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysColumnMove);
    grdReplays->OnKontextmenue = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysKontextmenue);
    grdReplays->OnZiehen = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysZiehen);
}

void TfrmMain::DetailsAufbauen() {
    auto* rechts = new QWidget(splMain);
    rechts->setObjectName(QStringLiteral("Rechts"));
    splMain->addWidget(rechts);
    auto* stapel = new QVBoxLayout(rechts);
    stapel->setContentsMargins(0, 0, 3, 4);
    stapel->setSpacing(7);

    sbxRechts = new QScrollArea(rechts);
    sbxRechts->setObjectName(QStringLiteral("sbxRechts"));
    sbxRechts->setFrameShape(QFrame::NoFrame);
    sbxRechts->setWidgetResizable(true);
    sbxRechts->setFocusPolicy(Qt::NoFocus);
    stapel->addWidget(sbxRechts, 1);

    pnlRechts = new QFrame;
    pnlRechts->setObjectName(QStringLiteral("pnlRechts"));
    // A little smaller than designed, so a scroll bar beside it leaves it whole and a
    // style's pixel more or less around it does not bring one at the default size; the
    // group box's foot is the least height.
    pnlRechts->setMinimumSize(kPanelBreite - 20, kPanelHoehe - 8);
    pnlRechts->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlRechts->setAutoFillBackground(true);
    QPalette creme = pnlRechts->palette();
    creme.setColor(QPalette::Window, QColor(255, 251, 240));  // clCream
    pnlRechts->setPalette(creme);
    sbxRechts->setWidget(pnlRechts);
    // The scroll area's own background shows only where the panel leaves room.
    sbxRechts->setMinimumWidth(120);
    pnlRechts->installEventFilter(this);

    lblReplayname = new TKurzLabel(pnlRechts);
    lblReplayname->setObjectName(QStringLiteral("lblReplayname"));
    lblReplayname->setFont(FensterSchrift(20, true));
    // Names in right-to-left scripts start at the left like every other.
    lblReplayname->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    lblDateiname = new TKurzLabel(pnlRechts);
    lblDateiname->setObjectName(QStringLiteral("lblDateiname"));
    lblDateiname->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    lblDateiname->move(8, 40);

    grdSpieler = new TCheckSortGrid(pnlRechts);
    grdSpieler->setObjectName(QStringLiteral("grdSpieler"));
    grdSpieler->setGeometry(8, 64, 321, 193);
    SpielerGridEinrichten(grdSpieler, regional_);

    grpSiegbedingungen = new QGroupBox(tr(" Siegbedingungen "), pnlRechts);
    grpSiegbedingungen->setObjectName(QStringLiteral("grpSiegbedingungen"));
    grpSiegbedingungen->setGeometry(9, 263, 153, 210);
    constexpr int oben[kSiegbedingungen.size()] = {24, 50, 77, 104, 130, 157, 184};
    for (std::size_t i = 0; i < kSiegbedingungen.size(); ++i)
        this->*kSiegbedingungsboxen[i] =
            Siegbox(grpSiegbedingungen, kSiegbedingungen[i].Checkbox, SiegbedingungTitel(kSiegbedingungen[i]), oben[i]);
    PanelLeeren(QString());

    auto* knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(7);
    btnKopieren = Knopf(rechts, tr("Replays &kopieren"), "btnKopieren");
    btnUmbenennen = Knopf(rechts, tr("&Umbenennen"), "btnUmbenennen");
    btnDOW = Knopf(rechts, tr("DOW &starten"), "btnDOW");
    for (QPushButton* knopf : {btnKopieren, btnUmbenennen, btnDOW}) knopf->setAutoDefault(false);
    knoepfe->addWidget(btnKopieren);
    knoepfe->addWidget(btnUmbenennen);
    knoepfe->addWidget(btnDOW);
    knoepfe->addStretch(1);
    stapel->addLayout(knoepfe);
}

bool TfrmMain::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The panel's controls keep their designed places; the wide ones follow its width.
    if (objekt == pnlRechts && ereignis->type() == QEvent::Resize) {
        const int breite = pnlRechts->width() - 16;
        grdSpieler->resize(breite, grdSpieler->height());
        lblDateiname->resize(breite, lblDateiname->sizeHint().height());
        lblReplayname->resize(breite, lblReplayname->height());
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void TfrmMain::MenueAufbauen() {
    QMenuBar* z = menuBar();
    z->setObjectName(QStringLiteral("z"));
    // No native (global) menu bar: the menu belongs to the window like its controls.
    z->setNativeMenuBar(false);
    // Alt alone and F10 reach the menu bar, whatever the style does by itself.
    MenueTastenEinrichten(this, z);
    Datei1 = z->addMenu(tr("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    Aktualisieren1 = Datei1->addAction(tr("Liste &aktualisieren"));
    Aktualisieren1->setObjectName(QStringLiteral("Aktualisieren1"));
    Aktualisieren1->setShortcut(QKeySequence(Qt::Key_F5));
    Importieren1 = Datei1->addAction(tr("Replays aus Playback &importieren"));
    Importieren1->setObjectName(QStringLiteral("Importieren1"));
    Importieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    Datei1->addSeparator();
    Loeschen1 = Datei1->addAction(tr("&Löschen"));
    Loeschen1->setObjectName(QStringLiteral("Loeschen1"));
    Loeschen1->setShortcut(QKeySequence(QKeySequence::Delete));
    DateiUmbenennen1 = Datei1->addAction(tr("Datei &umbenennen…"));
    DateiUmbenennen1->setObjectName(QStringLiteral("DateiUmbenennen1"));
    DateiUmbenennen1->setShortcut(QKeySequence(Qt::Key_F2));
    DateinamenBilden1 = Datei1->addAction(tr("Datei&namen aus Replays bilden…"));
    DateinamenBilden1->setObjectName(QStringLiteral("DateinamenBilden1"));
    ImOrdnerAnzeigen1 = Datei1->addAction(tr("Im &Ordner anzeigen"));
    ImOrdnerAnzeigen1->setObjectName(QStringLiteral("ImOrdnerAnzeigen1"));
    Kopieren1 = Datei1->addAction(tr("Als Dateien &kopieren"));
    Kopieren1->setObjectName(QStringLiteral("Kopieren1"));
    Kopieren1->setShortcut(QKeySequence(QKeySequence::Copy));
    // These keys act on the list's files only while the list has the focus: Del and
    // Ctrl+C in the search field edit its text.
    for (QAction* a : {Loeschen1, DateiUmbenennen1, DateinamenBilden1, ImOrdnerAnzeigen1, Kopieren1}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        grdReplays->addAction(a);
    }
    Datei1->addSeparator();
    Beenden1 = Datei1->addAction(tr("&Beenden"));
    Beenden1->setObjectName(QStringLiteral("Beenden1"));
    Beenden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // The shortcuts work while the menu is closed, from anywhere in the window.
    for (QAction* a : {Aktualisieren1, Importieren1, Beenden1}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    // A top-level entry that is itself the command.
    mbtOptionen = z->addAction(tr("&Optionen"));
    mbtOptionen->setObjectName(QStringLiteral("mbtOptionen"));
    // The legal notices: the version, the licences and where the source is.
    Hilfe1 = z->addMenu(tr("&Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    UeberQuellarch1 = Hilfe1->addAction(tr("Ü&ber Quellarch…"));
    UeberQuellarch1->setObjectName(QStringLiteral("UeberQuellarch1"));
}

void TfrmMain::FormCreate() {
    try {
        const bool fehlt = initialisieren_();
        // The layout of the last session, before the list is filled in its sort.
        AnsichtLaden();
        if (fehlt) {
            PanelLeeren(tr("Bitte unter Optionen die Verzeichnisse eintragen."));
            StatusMelden(tr("Die Verzeichnisse fehlen: Optionen (Alt+O)"));
            dialoge_.Nachricht(AlsUtf8(tr("Bitte unter Optionen die Verzeichnisse eintragen!")));
            return;
        }
        KopfCheckboxSetzen();
        // The scan first: the question comes only for games the library does not hold yet
        // under any name, and for none the user deleted from it.
        ListeAktualisieren();
        if (!DOWVerzeichnis.empty() && !ReplayVerzeichnis.empty() &&
            PlaybackHatNeue() &&
            dialoge_.Frage(AlsUtf8(tr("Es wurden Replays im Playback-Verzeichnis\r\ngefunden. Sollen sie kopiert werden?")),
                           AlsUtf8(tr("Neue Replays kopieren")))) {
            NeueReplaysKopieren();
            ListeAktualisieren();
        }
    } catch (const std::exception&) {
        // The window opens with whatever the sequence reached; the user can refresh or
        // set the directories under "Optionen".
    }
}

bool TfrmMain::PlaybackHatNeue() {
    return !PlaybackNeue(AllePlaybackOrdner(DOWVerzeichnis, Installationen, WeiterePlaybackOrdner),
                         live_->Bibliothek(), &live_->Geloeschte())
                .empty();
}

void TfrmMain::KopfCheckboxSetzen() { grdReplays->PlaceCheckBox(lsBox, 0, false, false); }
