#pragma once
#include <QJsonObject>
#include <QString>
#include <string>
#include <string_view>

#include "core/meldungen.h"
#include "gui/qttext.h"

class TReplay;

// Notices of the core go to stderr, one line each.
class TStderrMeldungen : public TMeldungen {
public:
    void Meldung(const std::string& text) override;
};

// Notices to stderr, counted: each one means a file was not read or not changed.
class TZaehlendeMeldungen : public TStderrMeldungen {
public:
    void Meldung(const std::string& text) override {
        ++anzahl;
        TStderrMeldungen::Meldung(text);
    }
    int anzahl = 0;
};

// The JSON object of one replay; see `show --json`.
QJsonObject ReplayAlsJson(const TReplay& replay);
QJsonObject FehlerAlsJson(const std::string& dateiname, const std::string& fehler);
// "YYYY-MM-DDTHH:MM:SS"
QString DatumIso(double datum);
// The same with trenner between date and time, as UTF-8.
std::string DatumText(double datum, char trenner);

void StdoutSchreiben(const QString& text);
// UTF-8 as it is, in one write of the whole block.
void StdoutSchreibenUtf8(std::string_view utf8);
void StderrSchreiben(const QString& text);
// Flushes stdout; false when any write to it failed, on a full disk, say.
bool StdoutAbschliessen();
