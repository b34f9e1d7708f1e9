// quellarch-cli run as a process on builder-made replays: the JSON contracts of show and
// list, the exit codes, and where messages go.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <map>

#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/platform/programmpfad.h"
#include "core/zeichensatz.h"
#include "support/heimordner.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/systemtest.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"
#include "support/testnamen.h"

namespace {

struct Lauf {
    int status;
    QByteArray aus, fehler;
};

// The tool lies beside this test program, in the build's bin folder; found so at run time,
// the same build runs natively and, cross-built, under Wine.
QString CliPfad() {
    return QString::fromStdString(plattform::VerzeichnisTeil(plattform::ProgrammPfad())) + "/" + QUELLARCH_CLI;
}

// The tool's language comes from the environment: each run gets one of its own, German
// unless sprache names other variables ("LANG=en_US.UTF-8"), whatever the caller's is.
QProcessEnvironment Umgebung(const QStringList& sprache) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) umgebung.remove(name);
    umgebung.insert("LANG", "de_DE.UTF-8");
    for (const QString& variable : sprache) umgebung.insert(variable.section('=', 0, 0), variable.section('=', 1));
    return umgebung;
}

// ausgabe: a file that takes stdout instead of the pipe.
Lauf Ausfuehren(const QStringList& argumente, const QString& ausgabe = {}, const QStringList& sprache = {}) {
    QProcess p;
    p.setProcessEnvironment(Umgebung(sprache));
    if (!ausgabe.isEmpty()) p.setStandardOutputFile(ausgabe);
    p.start(CliPfad(), argumente);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString Q(const std::string& pfad) { return QString::fromStdString(pfad); }

class Cli : public ::testing::Test {
protected:
    // The tool speaks German here, its own language, whatever the machine's or Wine's
    // locale: the C locale says so on every platform.
    static void SetUpTestSuite() {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
        qputenv("LANG", "C.UTF-8");
    }

    TempVerzeichnis ordner;
    Heimordner heim;  // the tool's game search looks here, not in the real home

    std::string Replay(const std::string& name) {
        ReplayBauer bau;
        bau.Name = u"Grüße";
        bau.KartenSchluessel = "UNBEKANNT";
        SpielerBau eins;
        eins.Name = u"Öller";
        eins.Rasse = "ork_race";
        eins.Team = 1;
        eins.Kennzahl = 42;
        SpielerBau zwei;
        zwei.Rasse = "squat_race";
        bau.Spieler = {eins, zwei};
        bau.Siegbedingungen = {0x2BD05ECA};
        bau.Schreiben(ordner.Pfad() + name);
        AenderungszeitSetzen(ordner.Pfad() + name, 2005, 3, 12, 14, 22, 11);
        return ordner.Pfad() + name;
    }
};

// Every name of the shared table as list, list --json, show and show --json give it, under a
// file name in Cyrillic, and after a rename to it.
TEST_F(Cli, JederTestnameAlsJsonUndUmbenannt) {
    const auto& namen = Testnamen();
    std::filesystem::create_directories(FsPfad(ordner.Pfad() + "namen"));
    for (std::size_t i = 0; i < namen.size(); ++i) {
        ReplayBauer bau;
        bau.Name = namen[i].gespeichert;
        bau.Spieler[0].Name = namen[i].gespeichert;
        bau.Schreiben(ordner.Pfad() + "namen/Запись " + std::to_string(10 + i) + ".rec");
    }
    Lauf liste = Ausfuehren({"list", "--json", Q(ordner.Pfad() + "namen/")});
    ASSERT_EQ(liste.status, 0) << liste.fehler.toStdString();
    std::map<QString, QString> gelistet;
    std::map<QString, int> nummern;
    for (const auto& r : QJsonDocument::fromJson(liste.aus).object()["Replays"].toArray()) {
        gelistet[r.toObject()["Dateiname"].toString()] = r.toObject()["Spielname"].toString();
        nummern[r.toObject()["Dateiname"].toString()] = r.toObject()["Nummer"].toInt();
    }
    // The table: line k is replay k, its name padded to 25 UTF-16 units and never cut.
    const QStringList tabelle = QString::fromUtf8(Ausfuehren({"list", Q(ordner.Pfad() + "namen/")}).aus).split('\n');

    const std::string datei = ordner.Pfad() + "umbenennen.rec";
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const TTestname& name = namen[i];
        SCOPED_TRACE(name.titel);
        const QString erwartet = QString::fromStdString(name.angezeigt);
        const std::string pfad = ordner.Pfad() + "namen/Запись " + std::to_string(10 + i) + ".rec";
        const QString dateiname = QString::fromUtf8("Запись %1.rec").arg(10 + i);
        EXPECT_EQ(gelistet[dateiname], erwartet);
        const int nummer = nummern[dateiname];
        ASSERT_LT(nummer, tabelle.size());
        EXPECT_TRUE(tabelle[nummer].startsWith(QString::number(nummer).rightJustified(5) + "  " +
                                               erwartet.leftJustified(25) + "   1  "))
            << tabelle[nummer].toStdString();
        const QJsonObject r = QJsonDocument::fromJson(Ausfuehren({"show", "--json", Q(pfad)}).aus).array()[0].toObject();
        EXPECT_EQ(r["Spielname"].toString(), erwartet);
        EXPECT_EQ(r["Spieler"].toArray()[0].toObject()["Name"].toString(), erwartet);
        // Windows ends the lines with "\r\n".
        EXPECT_TRUE(QString::fromUtf8(Ausfuehren({"show", Q(pfad)}).aus)
                        .remove('\r')
                        .contains("\n    1  " + erwartet.leftJustified(20) + "  Space Marines   Team 1\n"));

        ReplayBauer vorher;
        vorher.Name = u"Vorher";
        vorher.Schreiben(datei);
        EXPECT_EQ(Ausfuehren({"rename", Q(datei), erwartet}).status, name.umbenennbar ? 0 : 2);
        const QJsonObject neu = QJsonDocument::fromJson(Ausfuehren({"show", "--json", Q(datei)}).aus).array()[0].toObject();
        EXPECT_EQ(neu["Spielname"].toString(), name.umbenennbar ? erwartet : QStringLiteral("Vorher"));
    }
}

TEST_F(Cli, ShowJsonFollowsTheContract) {
    std::string gut = Replay("gut.rec");
    ReplayBauer kaputt;
    kaputt.AbschneidenAuf = 100;
    kaputt.Schreiben(ordner.Pfad() + "kaputt.rec");

    Lauf lauf = Ausfuehren({"show", "--json", Q(gut), Q(ordner.Pfad() + "kaputt.rec"), Q(ordner.Pfad() + "fehlt.rec")});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_TRUE(lauf.fehler.contains("Fehler beim öffnen der Datei.")) << lauf.fehler.toStdString();
    QJsonArray liste = QJsonDocument::fromJson(lauf.aus).array();
    ASSERT_EQ(liste.size(), 3);

    QJsonObject r = liste[0].toObject();
    EXPECT_EQ(r["Dateiname"].toString(), "gut.rec");
    EXPECT_EQ(r["Spielname"].toString(), QString::fromUtf8("Grüße"));
    EXPECT_EQ(r["Karte"].toString(), "UNBEKANNT");
    EXPECT_TRUE(r["Kartenname"].isNull());
    EXPECT_EQ(r["Spieleranzahl"].toInt(), 2);
    EXPECT_EQ(r["Datum"].toString(), "2005-03-12T14:22:10");
    EXPECT_EQ(r["Option8"].toInt(), 8);
    EXPECT_EQ(r["NamensLaenge"].toInt(), 10);
    EXPECT_TRUE(r["Siegbedingungen"].toObject()["Kontrollgebiet"].toBool());
    EXPECT_FALSE(r["Siegbedingungen"].toObject()["Vernichtung"].toBool());
    QJsonArray spieler = r["Spieler"].toArray();
    ASSERT_EQ(spieler.size(), 2);
    EXPECT_EQ(spieler[0].toObject(), (QJsonObject{{"Name", QString::fromUtf8("Öller")},
                                                  {"Rasse", "ork_race"},
                                                  {"Rassenname", "Orkz"},
                                                  {"Team", 1},
                                                  {"Kennzahl", "42"}}));
    EXPECT_TRUE(spieler[1].toObject()["Rassenname"].isNull());

    QJsonObject defekt = liste[1].toObject();
    EXPECT_EQ(defekt.keys(), (QStringList{"Dateiname", "Fehler"}));
    EXPECT_EQ(defekt["Dateiname"].toString(), "kaputt.rec");

    // A file that cannot be opened has no record: no replay of 1899 is made up for it.
    EXPECT_EQ(liste[2].toObject(), (QJsonObject{{"Dateiname", "fehlt.rec"}, {"Fehler", "Fehler beim öffnen der Datei."}}));
    EXPECT_TRUE(lauf.fehler.contains("fehlt.rec: Fehler beim öffnen der Datei.")) << lauf.fehler.toStdString();
}

TEST_F(Cli, ListJsonNumbersTheReplaysAndKeepsTheResultCode) {
    Replay("a.rec");
    Replay("b.rec");
    ReplayBauer kaputt;
    kaputt.AbschneidenAuf = 100;
    kaputt.Schreiben(ordner.Pfad() + "c.rec");
    // The folder the same with its separator or without.
    for (const QString& dir : {Q(ordner.Pfad()), Q(ordner.Pfad()).chopped(1)}) {
        SCOPED_TRACE(dir.toStdString());
        Lauf lauf = Ausfuehren({"list", "--json", dir});
        EXPECT_EQ(lauf.status, 0);
        QJsonObject o = QJsonDocument::fromJson(lauf.aus).object();
        EXPECT_EQ(o["LadeStatus"].toInt(), 102);
        QJsonArray replays = o["Replays"].toArray();
        ASSERT_EQ(replays.size(), 3);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(replays[i].toObject()["Nummer"].toInt(), i + 1);
        // The one the reader cannot read is listed by its name, and named with the reason.
        for (const QJsonValue& r : replays)
            EXPECT_EQ(r.toObject()["Lesbar"].toBool(), r.toObject()["Dateiname"].toString() != "c.rec");
        EXPECT_TRUE(lauf.fehler.contains("c.rec: nicht lesbar (Lesefehler")) << lauf.fehler.toStdString();
    }

    // The window's search, words in any script and case; each replay keeps its number.
    const struct {
        const char16_t* name;
        const char* datei;
        const char* suche;
    } suchen[] = {
        {u"Kärnten", "d.rec", "KARNTEN sumpf"},
        {u"Größte Schlacht", "e.rec", "größte"},
        {u"Café der Orks", "f.rec", "CAFÉ"},
        {u"Бой у реки", "g.rec", "бой"},
    };
    for (const auto& fall : suchen) {
        ReplayBauer anderes;
        anderes.Name = fall.name;
        anderes.Schreiben(ordner.Pfad() + fall.datei);
    }
    std::map<QString, int> nummern;
    for (const auto& r : QJsonDocument::fromJson(Ausfuehren({"list", "--json", Q(ordner.Pfad())}).aus)
                             .object()["Replays"].toArray())
        nummern[r.toObject()["Dateiname"].toString()] = r.toObject()["Nummer"].toInt();
    for (const auto& fall : suchen) {
        SCOPED_TRACE(fall.suche);
        Lauf lauf = Ausfuehren({"list", "--json", "--filter", QString::fromUtf8(fall.suche), Q(ordner.Pfad())});
        QJsonArray replays = QJsonDocument::fromJson(lauf.aus).object()["Replays"].toArray();
        ASSERT_EQ(replays.size(), 1);
        EXPECT_EQ(replays[0].toObject()["Dateiname"].toString(), fall.datei);
        EXPECT_EQ(replays[0].toObject()["Nummer"].toInt(), nummern[fall.datei]);
        // The table finds the same one.
        lauf = Ausfuehren({"list", "--filter", QString::fromUtf8(fall.suche), Q(ordner.Pfad())});
        EXPECT_EQ(QString::fromUtf8(lauf.aus).remove('\r').count('\n'), 2) << lauf.aus.toStdString();
        EXPECT_TRUE(QString::fromUtf8(lauf.aus).contains(QString::fromUtf16(fall.name)));
    }
}

// Each command answers: the status, and what goes to stdout and to stderr.
TEST_F(Cli, ExitCodesAndWhereTheWordsGo) {
    std::string gut = Replay("gut.rec");
    const QString kein = Q(ordner.Pfad() + "fehlt/");
    struct Fall {
        QStringList argumente;
        int status;
        const char* aus;     // a text stdout holds; "" for none at all; nullptr: not looked at
        const char* fehler;  // the same for stderr
    };
    const Fall faelle[] = {
        {{}, 2, "", "usage:"},
        {{"unbekannt"}, 2, "", "usage:"},
        {{"--help"}, 0, "usage:", ""},
        {{"-h"}, 0, "quellarch-cli import GAMEDIR LIBDIR", ""},
        {{"list", "--help"}, 0, "usage: quellarch-cli list", ""},
        {{"--version"}, 0, "quellarch-cli 0.", ""},
        {{"show"}, 2, "", "usage: quellarch-cli show"},
        {{"show", Q(gut)}, 0, "Grüße", ""},
        {{"show", "--bogus", Q(gut)}, 2, "", "usage: quellarch-cli show"},
        {{"show", Q(ordner.Pfad() + "fehlt.rec")}, 1, "", "fehlt.rec: Fehler beim öffnen der Datei."},
        {{"list"}, 2, "", "usage:"},
        {{"list", "--bogus", Q(ordner.Pfad())}, 2, "", "usage: quellarch-cli list"},
        {{"list", "--json", "--json", Q(ordner.Pfad())}, 2, "", "usage:"},
        {{"list", kein}, 1, "", "existiert nicht"},
        {{"list", "--json", kein.chopped(1)}, 1, "", "existiert nicht"},
        {{"list", Q(gut)}, 1, "", "ist kein Ordner"},
        {{"list", "--filter", Q(ordner.Pfad())}, 2, "", "usage:"},
        {{"import", Q(ordner.Pfad())}, 2, "", "usage:"},
        {{"import", Q(ordner.Pfad()), Q(ordner.Pfad()), "--bogus"}, 2, "", "usage:"},
        {{"import", kein, Q(ordner.Pfad())}, 1, "", "existiert nicht"},
        {{"import", Q(ordner.Pfad()), Q(ordner.Pfad())}, 1, "", "keinen Ordner Playback"},
        {{"rename", Q(gut)}, 2, "", "usage:"},
        {{"rename", Q(gut), ""}, 2, nullptr, nullptr},
        {{"rename", Q(gut), QString(26, 'x')}, 2, nullptr, nullptr},
        {{"rename", Q(ordner.Pfad() + "fehlt.rec"), "Neu"}, 1, "", "fehlt.rec: Datei existiert nicht."},
        {{"rename", Q(gut), "--neu--"}, 2, "", "usage:"},
        {{"rename", Q(gut), "--", "--neu--"}, 0, "", ""},
        {{"rename", Q(gut), QString::fromUtf8("Gegen Orks €")}, 0, "", ""},
        {{"config", "--bogus"}, 2, "", "usage:"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.argumente.join(' ').toStdString());
        const Lauf lauf = Ausfuehren(fall.argumente);
        EXPECT_EQ(lauf.status, fall.status);
        for (const auto& [strom, erwartet] : {std::pair{&lauf.aus, fall.aus}, std::pair{&lauf.fehler, fall.fehler}}) {
            if (!erwartet) continue;
            if (*erwartet) EXPECT_TRUE(strom->contains(erwartet)) << strom->toStdString();
            else EXPECT_TRUE(strom->isEmpty()) << strom->toStdString();
        }
    }
    Lauf nachher = Ausfuehren({"show", "--json", Q(gut)});
    EXPECT_EQ(QJsonDocument::fromJson(nachher.aus).array()[0].toObject()["Spielname"].toString(),
              QString::fromUtf8("Gegen Orks €"));
}

// Names, map keys and file names reach the terminal with their control characters
// escaped: a name can neither fake a row nor colour the screen. JSON keeps them as they are.
TEST_F(Cli, SteuerzeichenErscheinenMaskiert) {
    ReplayBauer bau;
    bau.Name = u"A\x1b[31mB\nC\u202e";
    bau.KartenSchluessel = "MAP\a";
    bau.Spieler[0].Name = u"X\rY";
    const std::string name = plattform::IstPosix() ? "Zeile\nzwei.rec" : "z.rec";
    bau.Schreiben(ordner.Pfad() + name);

    const Lauf liste = Ausfuehren({"list", Q(ordner.Pfad())});
    const Lauf show = Ausfuehren({"show", Q(ordner.Pfad() + name)});
    for (const Lauf* lauf : {&liste, &show}) {
        EXPECT_EQ(lauf->status, 0);
        EXPECT_FALSE(lauf->aus.contains('\x1b') || lauf->aus.contains('\a') || lauf->aus.contains("\xe2\x80\xae"));
        EXPECT_TRUE(lauf->aus.contains("A\\x1B[31mB\\x0AC\\u202E")) << lauf->aus.toStdString();
        EXPECT_TRUE(lauf->aus.contains("MAP\\x07")) << lauf->aus.toStdString();
    }
    EXPECT_EQ(QString::fromUtf8(liste.aus).remove('\r').count('\n'), 2);
    EXPECT_TRUE(show.aus.contains("X\\x0DY"));
    if (plattform::IstPosix()) {
        EXPECT_TRUE(show.aus.startsWith("Zeile\\x0Azwei.rec\n")) << show.aus.toStdString();
    }

    const QJsonObject r =
        QJsonDocument::fromJson(Ausfuehren({"list", "--json", Q(ordner.Pfad())}).aus).object()["Replays"].toArray()[0].toObject();
    EXPECT_EQ(r["Spielname"].toString(), QString::fromUtf16(u"A\x1b[31mB\nC\u202e"));
}

// A full disk under stdout: what was printed is not all there, and the tool says so.
TEST_F(Cli, OutputThatCannotBeWrittenIsAnError) {
    NUR_UNTER_POSIX();
    const std::string gut = Replay("gut.rec");
    for (const QStringList& argumente : {QStringList{"list", Q(ordner.Pfad())}, QStringList{"show", Q(gut)}}) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const Lauf lauf = Ausfuehren(argumente, "/dev/full");
        EXPECT_EQ(lauf.status, 1);
        EXPECT_TRUE(lauf.fehler.contains("Die Ausgabe konnte nicht geschrieben werden.")) << lauf.fehler.toStdString();
    }
}

// On POSIX ':' and '\' belong to a file name; the tool takes each path as the system does.
TEST_F(Cli, NamesWithColonsAndBackslashesAreFilesOfTheirOwn) {
    if (!plattform::IstPosix()) GTEST_SKIP() << "Windows forbids ':' and '\\' in names";
    std::filesystem::create_directory(ordner.Pfad() + "x");
    for (const char* name : {"a:b.rec", "b.rec", "x\\y.rec", "x/y.rec"}) Replay(name);
    auto spielname = [&](const std::string& name) {
        Lauf lauf = Ausfuehren({"show", "--json", Q(ordner.Pfad() + name)});
        QJsonObject r = QJsonDocument::fromJson(lauf.aus).array()[0].toObject();
        EXPECT_EQ(r["Dateiname"].toString(), Q(name.substr(name.rfind('/') + 1))) << name;
        return r["Spielname"].toString();
    };

    Lauf liste = Ausfuehren({"list", "--json", Q(ordner.Pfad())});
    QStringList namen;
    for (const auto& r : QJsonDocument::fromJson(liste.aus).object()["Replays"].toArray())
        namen << r.toObject()["Dateiname"].toString();
    namen.sort();
    EXPECT_EQ(namen, (QStringList{"a:b.rec", "b.rec", "x\\y.rec"}));

    EXPECT_EQ(Ausfuehren({"rename", Q(ordner.Pfad() + "x\\y.rec"), "Eins"}).status, 0);
    EXPECT_EQ(Ausfuehren({"rename", Q(ordner.Pfad() + "a:b.rec"), "Zwei"}).status, 0);
    EXPECT_EQ(spielname("x\\y.rec"), "Eins");
    EXPECT_EQ(spielname("a:b.rec"), "Zwei");
    EXPECT_EQ(spielname("b.rec"), QString::fromUtf8("Grüße"));
    EXPECT_EQ(spielname("x/y.rec"), QString::fromUtf8("Grüße"));
    EXPECT_FALSE(std::filesystem::exists(ordner.Pfad() + "NeuerName.tmp"));
}

TEST_F(Cli, ImportPrintsWhatWasCopiedAndMovesWithRemove) {
    TempVerzeichnis spiel;
    std::filesystem::create_directory(spiel.Pfad() + "Playback");
    ReplayBauer().Schreiben(spiel.Pfad() + "Playback/neu.rec");
    // Both folders without their separator: the replay goes into the library, not beside it.
    Lauf lauf = Ausfuehren({"import", Q(spiel.Pfad()).chopped(1), Q(ordner.Pfad()).chopped(1), "--remove"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.aus.trimmed(), "1 Replay wurde kopiert.");
    EXPECT_TRUE(std::filesystem::exists(ordner.Pfad() + "neu.rec"));
    EXPECT_FALSE(std::filesystem::exists(ordner.Pfad().substr(0, ordner.Pfad().size() - 1) + "neu.rec"));
    EXPECT_FALSE(std::filesystem::exists(spiel.Pfad() + "Playback/neu.rec"));

    // Into a library that does not exist: nothing copied, nothing removed, and said so.
    ReplayBauer().Schreiben(spiel.Pfad() + "Playback/neu.rec");
    lauf = Ausfuehren({"import", Q(spiel.Pfad()), Q(ordner.Pfad() + "fehlt"), "--remove"});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_TRUE(lauf.fehler.contains("fehlt") && lauf.fehler.contains("existiert nicht")) << lauf.fehler.toStdString();
    EXPECT_TRUE(std::filesystem::exists(spiel.Pfad() + "Playback/neu.rec"));
}

// Windows: folders typed at cmd's prompt the ways a player types them. "C:\dir\" makes
// \" a quote in the C runtime's rules, which once listed nothing and joined import's two
// folders into one.
TEST_F(Cli, OrdnerWieInCmdGetippt) {
    NUR_UNTER_WINDOWS();
    auto windows = [](std::string pfad) {
        for (char& c : pfad)
            if (c == '/') c = '\\';
        return pfad;
    };
    const std::string bib = windows(ordner.Pfad() + "DoW Replays Jörg");
    const std::string spiel = windows(ordner.Pfad() + "Dawn of War");
    const std::string ziel = windows(ordner.Pfad() + "Neue Bibliothek");
    std::filesystem::create_directories(FsPfad(bib));
    std::filesystem::create_directories(FsPfad(spiel + "\\Playback"));
    ReplayBauer groesste;
    groesste.Name = u"Größte Schlacht";
    groesste.Schreiben(bib + "\\a.rec");
    const std::string cli = "\"" + windows(CliPfad().toStdString()) + "\"";
    const struct {
        std::string argumente;
        const char* ausgabe;
    } faelle[] = {
        {"list \"" + bib + "\"", "Größte Schlacht"},
        {"list \"" + bib + "\\\"", "Größte Schlacht"},
        {"list \"" + bib + "/\"", "Größte Schlacht"},
        {"list --filter GRÖSSTE \"" + bib + "\\\"", "Größte Schlacht"},
        {"import \"" + spiel + "\\\" \"" + ziel + "\\\"", "kopiert"},
        {"import \"" + spiel + "\" \"" + ziel + "\" --remove", "vorhanden"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.argumente);
        if (fall.argumente.rfind("import", 0) == 0) {
            std::filesystem::create_directories(FsPfad(ziel));
            ReplayBauer().Schreiben(spiel + "\\Playback\\neu.rec");
        }
        const WindowsLauf lauf = WindowsCmd(cli + " " + fall.argumente);
        EXPECT_EQ(lauf.status, 0) << lauf.ausgabe;
        EXPECT_NE(lauf.ausgabe.find(fall.ausgabe), std::string::npos) << lauf.ausgabe;
    }
    EXPECT_TRUE(std::filesystem::exists(FsPfad(ziel + "\\neu.rec")));
    EXPECT_FALSE(std::filesystem::exists(FsPfad(ziel + "neu.rec")));
    EXPECT_FALSE(std::filesystem::exists(FsPfad(spiel + "\\Playback\\neu.rec"))) << "--remove";
}

// A library deeper than the old 260-character limit lists like any other.
TEST_F(Cli, LangerPfad) {
    std::string tief = ordner.Pfad();
    while (tief.size() < 300) tief += std::string(40, 'o') + "/";
    std::filesystem::create_directories(FsPfad(tief));
    ReplayBauer().Schreiben(tief + "tief.rec");
    const Lauf lauf = Ausfuehren({"list", "--json", "--no-index", Q(tief)});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(lauf.aus).object()["Replays"].toArray().size(), 1);
}

// Both Windows programs carry their manifest: run as the user, known to Windows up to 11,
// long paths, today's common controls, and the DPI awareness Qt sets itself.
TEST_F(Cli, BeideProgrammeTragenIhrManifest) {
    NUR_UNTER_WINDOWS();
    const QString bin = QString::fromStdString(plattform::VerzeichnisTeil(plattform::ProgrammPfad())) + "/";
    for (const char* programm : {QUELLARCH_CLI, "quellarch.exe"}) {
        SCOPED_TRACE(programm);
        const std::string manifest = WindowsManifest((bin + programm).toStdString());
        for (const char* teil : {"level=\"asInvoker\"", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
                                 "<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">true<",
                                 "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", ">PerMonitorV2, PerMonitor<"})
            EXPECT_NE(manifest.find(teil), std::string::npos) << teil;
    }
}

// The language: config.ini's "Sprache" first, then LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// as gettext reads them; German for German and the C locale, English for any other. Each
// row runs the main commands and finds one language's texts and none of the other's.
TEST_F(Cli, SprichtDieSpracheDerUmgebung) {
    NUR_UNTER_POSIX();  // Windows takes the system's UI language, not these variables
    const std::string gut = Replay("gut.rec");
    const QString kein = Q(ordner.Pfad() + "fehlt/");
    const struct {
        const char* name;
        QStringList umgebung;
        const char* sprache;  // config.ini's "Sprache"; nullptr: no config.ini
        bool englisch;
    } faelle[] = {
        {"de_DE", {"LANG=de_DE.UTF-8"}, nullptr, false},
        {"en_US", {"LANG=en_US.UTF-8"}, nullptr, true},
        {"C.UTF-8", {"LANG=C.UTF-8"}, nullptr, false},
        {"fr_FR", {"LANG=fr_FR.UTF-8"}, nullptr, true},
        {"LANGUAGE vor LANG", {"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"}, nullptr, true},
        {"LANGUAGE zaehlt unter C nicht", {"LANGUAGE=en", "LANG=C"}, nullptr, false},
        {"LC_ALL vor LANG", {"LC_ALL=de_DE.UTF-8", "LANG=en_US.UTF-8"}, nullptr, false},
        {"LC_MESSAGES vor LANG", {"LC_MESSAGES=en_US.UTF-8", "LANG=de_DE.UTF-8"}, nullptr, true},
        {"Automatisch folgt LANG", {"LANG=en_US.UTF-8"}, "Automatisch", true},
        {"config.ini Deutsch vor LANG", {"LANG=en_US.UTF-8"}, "Deutsch", false},
        {"config.ini English vor LANG", {"LANGUAGE=de", "LANG=de_DE.UTF-8"}, "English", true},
    };
    // What each command says, in German and in English.
    const struct {
        QStringList argumente;
        bool fehler;  // on stderr
        const char* deutsch;
        const char* englisch;
    } texte[] = {
        {{"show", Q(gut)}, false, "  Spielname:  Grüße\n", "  Name:     Grüße\n"},
        {{"show", Q(gut)}, false, "  Orkz  ", "  Orks  "},
        {{"show", Q(gut)}, false, "Siegbedingungen: Kontrollgebiet", "Win conditions: Control Area"},
        {{"list", Q(ordner.Pfad())}, false, "Spielname", "Name"},
        {{"list", kein}, true, "existiert nicht", "does not exist"},
        {{"--help"}, false, "Ergebnis: 0 erledigt", "Exit status: 0 done"},
        {{"rename", Q(ordner.Pfad() + "fehlt.rec"), "Neu"}, true, "Datei existiert nicht.", "File does not exist."},
    };
    const std::string config = heim.Pfad() + ".config/quellarch/config.ini";
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        std::filesystem::remove(config);
        if (fall.sprache) heim.Datei(".config/quellarch/config.ini", std::string("[Einstellungen]\nSprache=") + fall.sprache + "\n");
        for (const auto& text : texte) {
            SCOPED_TRACE(text.argumente.join(' ').toStdString());
            const Lauf lauf = Ausfuehren(text.argumente, {}, fall.umgebung);
            const QByteArray& strom = text.fehler ? lauf.fehler : lauf.aus;
            EXPECT_TRUE(strom.contains(fall.englisch ? text.englisch : text.deutsch)) << strom.toStdString();
            EXPECT_FALSE(strom.contains(fall.englisch ? text.deutsch : text.englisch)) << strom.toStdString();
        }
    }
}

// config names the settings file and both folders with where each came from.
TEST_F(Cli, ConfigJsonNamesTheFileAndTheFolders) {
    Lauf lauf = Ausfuehren({"config", "--json"});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(lauf.aus).object();
    EXPECT_TRUE(o["ConfigDatei"].toString().endsWith("config.ini"));
    for (const char* schluessel : {"DOWVerzeichnis", "DOWHerkunft", "ReplayVerzeichnis", "ReplayHerkunft"})
        EXPECT_TRUE(o[schluessel].isString()) << schluessel;
}

// A Soulstorm and a Dark Crusade through Steam and nothing else set up: config lists both
// with where they were found and names the one chosen, and import --all takes the replays
// of both Playback folders.
TEST_F(Cli, ConfigUndImportAllerInstallationen) {
    NUR_UNTER_POSIX();  // Steam of a Linux home
    const std::string steam = ".local/share/Steam/steamapps/";
    const struct {
        const char* id;
        const char* ordner;
        const char* exe;
    } spiele[] = {{"9450", "Soulstorm", "Soulstorm.exe"}, {"4580", "Dark Crusade", "DarkCrusade.exe"}};
    for (const auto& spiel : spiele) {
        heim.Datei(steam + "appmanifest_" + spiel.id + ".acf",
                   std::string("\"AppState\"\n{\n\t\"AppID\"\t\t\"") + spiel.id + "\"\n\t\"InstallDir\"\t\t\"" +
                       spiel.ordner + "\"\n}\n");
        heim.Spiel(steam + "common/" + spiel.ordner, spiel.exe);
        std::filesystem::create_directories(heim.Pfad() + steam + "common/" + spiel.ordner + "/Playback");
        ReplayBauer bau;
        bau.Name = Utf16AusUtf8(spiel.ordner);
        bau.Schreiben(heim.Pfad() + steam + "common/" + spiel.ordner + "/Playback/temp.rec");
    }
    const Lauf config = Ausfuehren({"config", "--json"});
    ASSERT_EQ(config.status, 0) << config.fehler.toStdString();
    std::map<std::string, std::string> gefunden;  // edition -> Steam app id
    int gewaehlt = 0;
    for (const auto& wert : QJsonDocument::fromJson(config.aus).object()["Installationen"].toArray()) {
        const QJsonObject i = wert.toObject();
        EXPECT_EQ(i["Herkunft"].toString(), "Steam");
        EXPECT_EQ(i["Playback"].toArray().size(), 1);
        gefunden[i["Edition"].toString().toStdString()] = i["SteamAppId"].toString().toStdString();
        gewaehlt += i["Gewaehlt"].toBool();
    }
    EXPECT_EQ(gefunden, (std::map<std::string, std::string>{{"Dark Crusade", "4580"}, {"Soulstorm", "9450"}}));
    EXPECT_EQ(gewaehlt, 1);

    const Lauf import = Ausfuehren({"import", "--all", Q(ordner.Pfad())});
    EXPECT_EQ(import.status, 0) << import.fehler.toStdString();
    EXPECT_EQ(import.aus.trimmed(), "2 Replays wurden kopiert.");
    EXPECT_EQ(plattform::Aufzaehlen(ordner.Pfad() + "*.rec").size(), 2u);
}

}  // namespace
