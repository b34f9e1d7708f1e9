#include "core/namensvorlage.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/replay.h"
#include "core/zeichensatz.h"

namespace {

// Bytes of the UTF-8 sequence that starts with b; text is valid UTF-8 here.
std::size_t Sequenzlaenge(unsigned char b) { return b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4; }

bool Verboten(unsigned char b) {
    switch (b) {
        case '<': case '>': case ':': case '"': case '/': case '\\': case '|': case '?': case '*': return true;
        default: return b < 0x20 || b == 0x7F;
    }
}

// U+0080..U+009F, the C1 controls: C2 80..C2 9F.
bool IstC1(const std::string& text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) < 0xA0;
}

char Gross(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool GleichOhneFall(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Gross(x) == Gross(y);
           });
}

// Windows reserves these as device names, also followed by blanks and an extension:
// "nul.rec" and "COM1 .x.rec" name the device, not a file.
bool Reserviert(const std::string& stamm) {
    std::string kopf = stamm.substr(0, stamm.find('.'));
    while (!kopf.empty() && kopf.back() == ' ') kopf.pop_back();
    for (const char* name : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (GleichOhneFall(kopf, name)) return true;
    if (kopf.size() < 4) return false;
    const std::string art = kopf.substr(0, 3), ziffer = kopf.substr(3);
    if (!GleichOhneFall(art, "COM") && !GleichOhneFall(art, "LPT")) return false;
    // COM1..COM9 and, on newer Windows, COM¹ COM² COM³ as well.
    return (ziffer.size() == 1 && ziffer[0] >= '1' && ziffer[0] <= '9') || ziffer == "¹" || ziffer == "²" ||
           ziffer == "³";
}

void Trimmen(std::string& stamm) {
    while (!stamm.empty() && (stamm.back() == ' ' || stamm.back() == '.')) stamm.pop_back();
    const std::size_t anfang = stamm.find_first_not_of(' ');
    stamm.erase(0, anfang == std::string::npos ? stamm.size() : anfang);
}

std::string Zweistellig(int zahl) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", zahl);
    return text;
}

}  // namespace

TNamensfelder NamensfelderAus(const TReplay& replay, std::string karte) {
    TNamensfelder felder;
    felder.Datum = DatumZerlegen(replay.Datum);
    felder.Karte = std::move(karte);
    felder.Spielname = replay.Spielname;
    felder.Spieleranzahl = replay.Spieleranzahl;
    std::map<std::int32_t, std::vector<std::string>> teams;
    for (const TSpieler& s : replay.Spieler)
        if (!s.Name.empty()) teams[s.Team].push_back(s.Name);
    for (auto& [nummer, namen] : teams) felder.Teams.push_back(std::move(namen));
    return felder;
}

std::string SpielerText(const std::vector<std::vector<std::string>>& teams) {
    std::string text;
    for (const auto& team : teams) {
        if (team.empty()) continue;
        if (!text.empty()) text += " vs ";
        for (std::size_t i = 0; i < team.size(); ++i) text += (i > 0 ? ", " : "") + team[i];
    }
    return text;
}

std::string NameAusVorlage(const std::string& vorlage, const TNamensfelder& felder) {
    const TDatumTeile& d = felder.Datum;
    const std::string datum = std::to_string(d.Jahr) + "-" + Zweistellig(d.Monat) + "-" + Zweistellig(d.Tag);
    const std::string uhrzeit = Zweistellig(d.Stunde) + "-" + Zweistellig(d.Minute);
    const std::string spieler = SpielerText(felder.Teams);
    const std::string anzahl = std::to_string(felder.Spieleranzahl);
    // Each field under its German and its English name, so a template works in both languages.
    const std::pair<const char*, const std::string*> werte[] = {
        {"Datum", &datum},     {"Date", &datum},      {"Uhrzeit", &uhrzeit},          {"Time", &uhrzeit},
        {"Karte", &felder.Karte}, {"Map", &felder.Karte}, {"Spieler", &spieler},      {"Players", &spieler},
        {"Name", &felder.Spielname}, {"Spieleranzahl", &anzahl}, {"PlayerCount", &anzahl},
    };
    std::string stamm;
    for (std::size_t i = 0; i < vorlage.size();) {
        const std::size_t zu = vorlage[i] == '{' ? vorlage.find('}', i) : std::string::npos;
        const auto feld = zu == std::string::npos
                              ? std::end(werte)
                              : std::find_if(std::begin(werte), std::end(werte), [&](const auto& w) {
                                    return GleichOhneFall(vorlage.substr(i + 1, zu - i - 1), w.first);
                                });
        if (feld == std::end(werte)) {
            stamm += vorlage[i++];
        } else {
            stamm += *feld->second;
            i = zu + 1;
        }
    }
    return PortablerName(stamm);
}

std::string PortablerName(const std::string& roh, const std::string& endung) {
    const std::string text = AnzeigeText(roh);
    std::string stamm;
    stamm.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t laenge = Sequenzlaenge(b);
        if (Verboten(b) || IstC1(text, i)) stamm += '_';
        else stamm.append(text, i, laenge);
        i += laenge;
    }
    Trimmen(stamm);
    if (!stamm.empty() && stamm[0] == '.') stamm[0] = '_';
    // Cut at the start of a character, never inside one.
    const std::size_t platz = kHoechsteNamenslaenge > endung.size() + 1 ? kHoechsteNamenslaenge - endung.size() - 1 : 1;
    if (stamm.size() > platz) {
        std::size_t ende = platz;
        while (ende > 0 && (static_cast<unsigned char>(stamm[ende]) & 0xC0) == 0x80) --ende;
        stamm.resize(ende);
        Trimmen(stamm);
    }
    if (stamm.empty()) stamm = "Replay";
    if (Reserviert(stamm)) stamm.insert(stamm.find('.') == std::string::npos ? stamm.size() : stamm.find('.'), "_");
    return stamm + endung;
}

TNamensfehler DateinamensFehler(const std::string& stamm) {
    if (stamm.find_first_not_of(' ') == std::string::npos) return TNamensfehler::Leer;
    if (AnzeigeText(stamm) != stamm) return TNamensfehler::Zeichen;
    for (std::size_t i = 0; i < stamm.size(); ++i)
        if (Verboten(static_cast<unsigned char>(stamm[i])) || IstC1(stamm, i)) return TNamensfehler::Zeichen;
    if (stamm.front() == ' ' || stamm.front() == '.' || stamm.back() == ' ' || stamm.back() == '.')
        return TNamensfehler::Rand;
    if (Reserviert(stamm)) return TNamensfehler::Geraetename;
    // PortablerName's room: one byte less than the most, for ".rec".
    if (stamm.size() + 5 > kHoechsteNamenslaenge) return TNamensfehler::ZuLang;
    return TNamensfehler::Keiner;
}
