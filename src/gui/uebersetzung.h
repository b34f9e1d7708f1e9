#pragma once
#include <QString>
#include <QStringList>
#include <string>

// The program's texts in the user's language, for the window and the CLI alike. The German
// texts are the source texts; quellarch_de.qm adds their plural forms, quellarch_en.qm
// the English, and Qt's own qtbase_de.qm the German of Qt's buttons and choosers. All are
// built into the program. Works with and without a QCoreApplication (the CLI makes none).

enum class TSprache { Deutsch, Englisch };

// What "Sprache" in config.ini holds: "Deutsch", "English", or "Automatisch" (also when
// empty or unknown), which follows the system.
TSprache SpracheAusEinstellung(const std::string& einstellung, const QStringList& systemsprachen);

// The system's languages, most wanted first, as BCP 47 names ("de-DE", "en", "C" for the
// C/POSIX locale). The window's: QLocale::uiLanguages(). The CLI's on POSIX: LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG in gettext's order (LANGUAGE counts only when the locale is
// not C); on Windows the system's UI languages.
QStringList SystemsprachenFenster();
QStringList SystemsprachenUmgebung();

// German for the first language of the list that starts with "de", English for the
// first that starts with "en", whichever comes first; the C/POSIX locale and an empty list
// give German, the program's own; a list of only other languages gives English.
TSprache SpracheAusListe(const QStringList& sprachen);

// Loads sprache's translations for the whole process and installs them into the
// application when there is one. Call once, before the first text is made.
void SpracheLaden(TSprache sprache);
TSprache GeladeneSprache();

// QCoreApplication::translate without needing an application: the text in the loaded
// language, with %n replaced by n in the locale's digits.
QString Tr(const char* kontext, const char* text, const char* unterscheidung = nullptr, int n = -1);
