#pragma once
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/meldungen.h"
#include "gui/qttext.h"

class TReplay;

// Notices of the core go to stderr, one line each.
class TStderrMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart art) override;
};

// Notices about one file to stderr, each after the file's path, counted: each one means
// the file was not read or not changed.
class TDateiMeldungen : public TMeldungen {
public:
    explicit TDateiMeldungen(std::string pfad) : pfad_(std::move(pfad)) {}
    void Meldung(TMeldungsart art) override;
    int anzahl = 0;

private:
    std::string pfad_;
};

// Notices kept, for a caller that words them itself or has no use for them.
class TGesammelteMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart art) override { arten.push_back(art); }
    std::vector<TMeldungsart> arten;
};

// The JSON object of one replay; see `show --json`.
QJsonObject ReplayAlsJson(const TReplay& replay);
QJsonObject FehlerAlsJson(const std::string& dateiname, const std::string& fehler);
// "YYYY-MM-DDTHH:MM:SS"
QString DatumIso(double datum);
// The same with trenner between date and time, as UTF-8.
std::string DatumText(double datum, char trenner);

// A name, key or path as the text output shows it: made fit to show (AnzeigeText), and
// every control character escaped ("\x1B", "\u0085"), with the line and paragraph
// separators and the bidirectional overrides, so that a name can neither fake a row nor
// drive the terminal. The JSON output needs none of this: JSON escapes them itself.
std::string Sichtbar(std::string_view text);
QString SichtbarQ(std::string_view text);

// Through konsole::Systemausgabe: a console gets UTF-16, a file or pipe UTF-8.
void StdoutSchreiben(const QString& text);
// UTF-8 as it is, in one write of the whole block.
void StdoutSchreibenUtf8(std::string_view utf8);
void StderrSchreiben(const QString& text);
// Flushes stdout; false when any write to it failed, on a full disk, say.
bool StdoutAbschliessen();
