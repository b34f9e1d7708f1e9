#include "gui/uebersetzung.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>

#include "core/platform/pfad.h"

namespace {

struct TGeladen {
    TSprache sprache = TSprache::Deutsch;
    std::unique_ptr<QTranslator> programm;  // quellarch_<sprache>.qm
    std::unique_ptr<QTranslator> qt;        // qtbase_de.qm, for German only
};

TGeladen& Geladen() {
    static TGeladen geladen;
    return geladen;
}

std::unique_ptr<QTranslator> Laden(const QString& datei) {
    auto uebersetzer = std::make_unique<QTranslator>();
    if (!uebersetzer->load(datei)) return nullptr;
    return uebersetzer;
}

constexpr const char* kSprachvariablen[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

QString Umgebung(const char* name) { return QString::fromLocal8Bit(std::getenv(name)); }

bool IstCLocale(const QString& locale) {
    return locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C.");
}

}  // namespace

TSprache SpracheAusEinstellung(const std::string& einstellung, const QStringList& systemsprachen) {
    if (einstellung == "Deutsch") return TSprache::Deutsch;
    if (einstellung == "English") return TSprache::Englisch;
    return SpracheAusListe(systemsprachen);
}

TSprache SpracheAusListe(const QStringList& sprachen) {
    for (const QString& sprache : sprachen) {
        if (IstCLocale(sprache) || sprache.startsWith("de", Qt::CaseInsensitive)) return TSprache::Deutsch;
        if (sprache.startsWith("en", Qt::CaseInsensitive)) return TSprache::Englisch;
    }
    return sprachen.isEmpty() ? TSprache::Deutsch : TSprache::Englisch;
}

QStringList SystemsprachenFenster() {
    QStringList sprachen = QLocale().uiLanguages();
    // The C locale names no language; Qt gives "en-US" or "C" for it, depending on how it
    // was asked. The program's own language is German there.
    if (plattform::IstPosix() && QLocale().name() == "C") return {"C"};
    return sprachen;
}

QStringList SystemsprachenUmgebung() {
    // Windows sets none of these; where a user or a POSIX layer (MSYS, Cygwin, Wine) does,
    // they speak for the console as they do for gettext's programs there.
    const bool gesetzt = std::any_of(std::begin(kSprachvariablen), std::end(kSprachvariablen),
                                     [](const char* name) { return !Umgebung(name).isEmpty(); });
    if (!plattform::IstPosix() && !gesetzt) return QLocale::system().uiLanguages();
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Umgebung(name);
        if (!locale.isEmpty()) break;
    }
    if (IstCLocale(locale)) return {"C"};
    QStringList sprachen;
    for (const QString& sprache : Umgebung("LANGUAGE").split(':', Qt::SkipEmptyParts)) sprachen << sprache;
    sprachen << locale;
    return sprachen;
}

void SpracheLaden(TSprache sprache) {
    TGeladen& geladen = Geladen();
    if (auto* app = QCoreApplication::instance()) {
        if (geladen.programm) app->removeTranslator(geladen.programm.get());
        if (geladen.qt) app->removeTranslator(geladen.qt.get());
    }
    geladen.sprache = sprache;
    const bool deutsch = sprache == TSprache::Deutsch;
    geladen.programm = Laden(deutsch ? ":/uebersetzungen/quellarch_de.qm" : ":/uebersetzungen/quellarch_en.qm");
    // Qt's own texts are English already.
    geladen.qt = deutsch ? Laden(":/uebersetzungen/qtbase_de.qm") : nullptr;
    if (auto* app = QCoreApplication::instance()) {
        if (geladen.qt) app->installTranslator(geladen.qt.get());
        if (geladen.programm) app->installTranslator(geladen.programm.get());
    }
}

TSprache GeladeneSprache() { return Geladen().sprache; }

QString Tr(const char* kontext, const char* text, const char* unterscheidung, int n) {
    if (const auto& programm = Geladen().programm) {
        QString uebersetzt = programm->translate(kontext, text, unterscheidung, n);
        if (!uebersetzt.isEmpty()) {
            if (n >= 0) uebersetzt.replace(QLatin1String("%n"), QString::number(n));
            return uebersetzt;
        }
    }
    // Without a translation the German source text stands; no application is needed for it.
    return QCoreApplication::translate(kontext, text, unterscheidung, n);
}
