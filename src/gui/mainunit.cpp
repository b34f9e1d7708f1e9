#include "gui/mainunit.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "core/platform/dateisystem.h"
#include "core/transfers.h"
#include "core/variablen.h"
#include "gui/dialoge.h"
#include "gui/fehlerbox.h"
#include "gui/glyphen.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/schriften.h"

namespace {

constexpr int kBreite = 796;
constexpr int kHoehe = 549;

// The buttons keep their designed size. Windows' own "MS Sans Serif" fits every caption;
// a wider stand-in (Wine's, or Linux's fonts) would clip "Replays kopieren", so the caption
// then gets a smaller size, down to 8 px, until it fits beside the button's frame.
void BeschriftungEinpassen(QPushButton* knopf) {
    constexpr int kRahmen = 10;
    QFont f = knopf->font();
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(knopf->text()) > knopf->width() - kRahmen)
        f.setPixelSize(f.pixelSize() - 1);
    knopf->setFont(f);
}

QCheckBox* Bedingung(QGroupBox* gruppe, const char* name, const char* text, int top) {
    auto* box = new QCheckBox(QString::fromUtf8(text), gruppe);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(8, top, 137, 17);
    box->setEnabled(false);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
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
      initialisieren_(initialisieren ? std::move(initialisieren) : std::function<bool()>(VariablenInitialisieren)) {
    FormularAufbauen();
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormularAufbauen() {
    setObjectName(QStringLiteral("frmMain"));
    // The version is the one set in project().
    setWindowTitle(QStringLiteral("Quellarch v" QUELLARCH_VERSION));
    // A fixed single border: system menu and minimise box, no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(FensterSchrift(11));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kBreite, kHoehe);
    setCentralWidget(client);

    tlbMain = new QFrame(client);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setGeometry(0, 0, kBreite, 29);
    tbtRefresh = new QToolButton(tlbMain);
    tbtKopieren = new QToolButton(tlbMain);
    struct Werkzeug {
        QToolButton* knopf;
        const char* name;
        const char* hinweis;
        QIcon glyph;
        int left;
    };
    for (const Werkzeug& w : {Werkzeug{tbtRefresh, "tbtRefresh", "Liste aktualisieren", GlyphAktualisieren(), 0},
                              Werkzeug{tbtKopieren, "tbtKopieren", "Replays aus Playback-Verzeichnis kopieren",
                                       GlyphKopieren(), 23}}) {
        w.knopf->setObjectName(QString::fromLatin1(w.name));
        w.knopf->setGeometry(w.left, 2, 23, 23);
        w.knopf->setToolTip(QString::fromUtf8(w.hinweis));
        w.knopf->setIcon(w.glyph);
        w.knopf->setIconSize(QSize(16, 16));
        w.knopf->setAutoRaise(true);
        w.knopf->setFocusPolicy(Qt::NoFocus);
    }

    SucheAufbauen();
    ListeAufbauen();
    DetailsAufbauen();
    MenueAufbauen();

    btnKopieren = new QPushButton(QStringLiteral("Replays kopieren"), client);
    btnKopieren->setObjectName(QStringLiteral("btnKopieren"));
    btnKopieren->setGeometry(456, 520, 97, 25);
    btnUmbenennen = new QPushButton(QStringLiteral("Umbenennen"), client);
    btnUmbenennen->setObjectName(QStringLiteral("btnUmbenennen"));
    btnUmbenennen->setGeometry(560, 520, 97, 25);
    btnDOW = new QPushButton(QStringLiteral("DOW starten"), client);
    btnDOW->setObjectName(QStringLiteral("btnDOW"));
    btnDOW->setGeometry(664, 520, 97, 25);

    for (QPushButton* knopf : {btnKopieren, btnUmbenennen, btnDOW}) BeschriftungEinpassen(knopf);

    // The search field sits in the tool bar, which comes first; the list keeps the focus
    // the window opens with, and Ctrl+F reaches the field.
    setTabOrder(edtSuche, grdReplays);
    setTabOrder(grdReplays, grdSpieler);
    setTabOrder(grdSpieler, btnKopieren);
    setTabOrder(btnKopieren, btnDOW);
    setTabOrder(btnDOW, btnUmbenennen);

    grdReplays->setFocus();

    Verbinden(dialoge_, tbtRefresh, &QToolButton::clicked, this, &TfrmMain::tbtRefreshClick);
    Verbinden(dialoge_, tbtKopieren, &QToolButton::clicked, this, &TfrmMain::tbtKopierenClick);
    Verbinden(dialoge_, btnKopieren, &QPushButton::clicked, this, &TfrmMain::btnKopierenClick);
    Verbinden(dialoge_, btnUmbenennen, &QPushButton::clicked, this, &TfrmMain::btnUmbenennenClick);
    Verbinden(dialoge_, btnDOW, &QPushButton::clicked, this, &TfrmMain::btnDOWClick);
    Verbinden(dialoge_, mbtOptionen, &QAction::triggered, this, &TfrmMain::mbtOptionenClick);
    Verbinden(dialoge_, Beenden1, &QAction::triggered, this, &TfrmMain::Beenden1Click);
    Verbinden(dialoge_, UeberQuellarch1, &QAction::triggered, this, &TfrmMain::UeberQuellarch1Click);

    // The client area is fixed at 796 x 549; the menu bar comes on top of it.
    setFixedSize(kBreite, kHoehe + menuBar()->sizeHint().height());
    move(245, 182);
}

void TfrmMain::ListeAufbauen() {
    grdReplays = new TCheckSortGrid(centralWidget());
    grdReplays->setObjectName(QStringLiteral("grdReplays"));
    grdReplays->setGeometry(0, 29, 449, 520);
    ReplayGridEinrichten(grdReplays, regional_);
    grdReplays->OnClickCell = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysClickCell);
    grdReplays->OnZeileGewechselt = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysZeileGewechselt);
    grdReplays->OnCanEditCell = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysCanEditCell);
    grdReplays->OnColumnMove = MitFehlerbox(dialoge_, this, &TfrmMain::grdReplaysColumnMove);
}

void TfrmMain::DetailsAufbauen() {
    pnlRechts = new QFrame(centralWidget());
    pnlRechts->setObjectName(QStringLiteral("pnlRechts"));
    pnlRechts->setGeometry(456, 29, 337, 484);
    pnlRechts->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlRechts->setAutoFillBackground(true);
    QPalette creme = pnlRechts->palette();
    creme.setColor(QPalette::Window, QColor(255, 251, 240));  // clCream
    pnlRechts->setPalette(creme);

    lblReplayname = new QLabel(pnlRechts);
    lblReplayname->setObjectName(QStringLiteral("lblReplayname"));
    lblReplayname->setTextFormat(Qt::PlainText);
    lblReplayname->setFont(FensterSchrift(20, true));
    UeberschriftSetzen(QStringLiteral("lblReplayname"));
    lblDateiname = new QLabel(pnlRechts);
    lblDateiname->setObjectName(QStringLiteral("lblDateiname"));
    lblDateiname->setTextFormat(Qt::PlainText);
    lblDateiname->setText(QStringLiteral("lblDateiname"));
    lblDateiname->move(8, 40);
    lblDateiname->adjustSize();

    grdSpieler = new TCheckSortGrid(pnlRechts);
    grdSpieler->setObjectName(QStringLiteral("grdSpieler"));
    grdSpieler->setGeometry(8, 64, 321, 193);
    SpielerGridEinrichten(grdSpieler, regional_);

    grpSiegbedingungen = new QGroupBox(QStringLiteral(" Siegbedingungen "), pnlRechts);
    grpSiegbedingungen->setObjectName(QStringLiteral("grpSiegbedingungen"));
    grpSiegbedingungen->setGeometry(9, 263, 153, 210);
    constexpr int oben[kSiegbedingungen.size()] = {24, 50, 77, 104, 130, 157, 184};
    for (std::size_t i = 0; i < kSiegbedingungen.size(); ++i)
        this->*kSiegbedingungsboxen[i] =
            Bedingung(grpSiegbedingungen, kSiegbedingungen[i].Checkbox, kSiegbedingungen[i].Titel, oben[i]);
}

void TfrmMain::MenueAufbauen() {
    QMenuBar* z = menuBar();
    z->setObjectName(QStringLiteral("z"));
    // No native (global) menu bar: the menu belongs to the fixed window like its controls.
    z->setNativeMenuBar(false);
    Datei1 = z->addMenu(QStringLiteral("Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    Beenden1 = Datei1->addAction(QStringLiteral("Beenden"));
    Beenden1->setObjectName(QStringLiteral("Beenden1"));
    // A top-level entry that is itself the command.
    mbtOptionen = z->addAction(QStringLiteral("Optionen"));
    mbtOptionen->setObjectName(QStringLiteral("mbtOptionen"));
    // The legal notices: the version, the licences and where the source is.
    Hilfe1 = z->addMenu(QStringLiteral("Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    UeberQuellarch1 = Hilfe1->addAction(QStringLiteral("Über Quellarch…"));
    UeberQuellarch1->setObjectName(QStringLiteral("UeberQuellarch1"));
}

void TfrmMain::FormCreate() {
    try {
        if (initialisieren_()) {
            dialoge_.Nachricht("Bitte unter Optionen die Verzeichnisse eintragen!");
            return;
        }
        KopfCheckboxSetzen();
        if (!DOWVerzeichnis.empty() && !ReplayVerzeichnis.empty() &&
            !plattform::Aufzaehlen(PlaybackOrdner(DOWVerzeichnis) + "*.rec").empty() &&
            dialoge_.Frage("Es wurden Replays im Playback-Verzeichnis\r\ngefunden. Sollen sie kopiert werden?",
                           "Neue Replays kopieren")) {
            NeueReplaysKopieren();
        }
        ListeAktualisieren();
    } catch (const std::exception&) {
        // The window opens with whatever the sequence reached; the user can refresh or
        // set the directories under "Optionen".
    }
}

void TfrmMain::KopfCheckboxSetzen() { grdReplays->PlaceCheckBox(lsBox, 0, false, false); }
