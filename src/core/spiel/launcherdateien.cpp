#include "core/spiel/launcherdateien.h"

#include <cstddef>

#include "core/zeichensatz.h"

namespace spiel {
namespace {

bool Leer(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::string Klein(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return text;
}

bool NurZiffern(std::string_view text) {
    if (text.empty() || text.size() > 10) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// ---- Valve's KeyValues text: "key" "value", "key" { ... }, // comments.

// Deeper nesting than any Steam file has is skipped.
constexpr std::size_t kVdfTiefe = 16;

// Calls eintrag(pfad, wert) for every "key" "value" pair, pfad holding the keys from the
// top down to the pair's own, all in lower case. The path is handed over, not copied, so
// long keys cost only once.
template <typename Eintrag>
void VdfLesen(std::string_view text, Eintrag eintrag) {
    std::vector<std::string> pfad;
    std::size_t tiefe = 0;  // may exceed pfad.size() inside skipped blocks
    std::string schluessel;
    bool mitSchluessel = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (Leer(c)) {
            ++pos;
        } else if (c == '/' && pos + 1 < text.size() && text[pos + 1] == '/') {
            while (pos < text.size() && text[pos] != '\n') ++pos;
        } else if (c == '{') {
            ++pos;
            if (tiefe < kVdfTiefe) pfad.push_back(mitSchluessel ? schluessel : std::string());
            ++tiefe;
            mitSchluessel = false;
        } else if (c == '}') {
            ++pos;
            if (tiefe > 0 && tiefe-- <= kVdfTiefe) pfad.pop_back();
            mitSchluessel = false;
        } else {
            std::string wort;
            if (c == '"') {
                for (++pos; pos < text.size() && text[pos] != '"'; ++pos) {
                    if (text[pos] == '\\' && pos + 1 < text.size()) {
                        const char e = text[++pos];
                        wort += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                    } else {
                        wort += text[pos];
                    }
                }
                ++pos;  // the closing quote, or past the end
            } else {
                while (pos < text.size() && !Leer(text[pos]) && text[pos] != '{' && text[pos] != '}' &&
                       text[pos] != '"')
                    wort += text[pos++];
                // A platform condition such as [$WIN32] after a value belongs to no key.
                if (wort.size() >= 2 && wort.front() == '[' && wort.back() == ']') continue;
            }
            if (!mitSchluessel) {
                schluessel = Klein(std::move(wort));
                mitSchluessel = true;
            } else {
                if (tiefe < kVdfTiefe) {
                    pfad.push_back(std::move(schluessel));
                    eintrag(static_cast<const std::vector<std::string>&>(pfad), wort);
                    pfad.pop_back();
                }
                mitSchluessel = false;
            }
        }
    }
}

// ---- YAML, as far as a flat "key: value" line goes.

std::string YamlWert(std::string_view text) {
    while (!text.empty() && Leer(text.front())) text.remove_prefix(1);
    std::string wert;
    if (!text.empty() && text.front() == '\'') {
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] != '\'') {
                wert += text[i];
            } else if (i + 1 < text.size() && text[i + 1] == '\'') {
                wert += '\'';
                ++i;
            } else {
                break;
            }
        }
        return wert;
    }
    if (!text.empty() && text.front() == '"') {
        for (std::size_t i = 1; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                const char e = text[++i];
                wert += e == 'n' ? '\n' : e == 't' ? '\t' : e;
            } else {
                wert += text[i];
            }
        }
        return wert;
    }
    // A plain scalar ends at a comment, which YAML starts with " #".
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '#' && i > 0 && Leer(text[i - 1])) break;
        wert += text[i];
    }
    while (!wert.empty() && Leer(wert.back())) wert.pop_back();
    return wert;
}

}  // namespace

std::vector<std::string> SteamBibliothekenLesen(std::string_view vdf) {
    std::vector<std::string> ordner;
    VdfLesen(vdf, [&](const std::vector<std::string>& pfad, const std::string& wert) {
        if (wert.empty() || pfad.size() < 2 || !NurZiffern(pfad[1])) return;
        if (pfad.size() == 2 || (pfad.size() == 3 && pfad[2] == "path")) ordner.push_back(wert);
    });
    return ordner;
}

SteamManifest SteamManifestLesen(std::string_view acf) {
    SteamManifest manifest;
    VdfLesen(acf, [&](const std::vector<std::string>& pfad, const std::string& wert) {
        if (pfad.size() != 2 || pfad[0] != "appstate") return;
        if (pfad[1] == "appid" && NurZiffern(wert)) manifest.AppId = wert;
        if (pfad[1] == "name") manifest.Name = wert;
        // One folder name: anything that could leave steamapps/common is refused.
        if (pfad[1] == "installdir" && !wert.empty() && wert != "." && wert != ".." &&
            wert.find_first_of(std::string_view("/\0", 2)) == std::string::npos)
            manifest.InstallDir = wert;
    });
    return manifest;
}

LutrisSpiel LutrisSpielLesen(std::string_view yml) {
    LutrisSpiel spiel;
    bool imSpiel = false;
    std::size_t einzug = 0;  // the indentation of game:'s own keys, once seen
    std::size_t pos = 0;
    while (pos < yml.size()) {
        std::size_t ende = yml.find('\n', pos);
        if (ende == std::string_view::npos) ende = yml.size();
        std::string_view zeile = yml.substr(pos, ende - pos);
        pos = ende + 1;
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        std::size_t vorne = 0;
        while (vorne < zeile.size() && zeile[vorne] == ' ') ++vorne;
        if (vorne == zeile.size() || zeile[vorne] == '#') continue;
        if (vorne == 0) {
            const std::string_view ohneRest = zeile.substr(0, zeile.find_last_not_of(" \t") + 1);
            imSpiel = ohneRest == "game:";
            einzug = 0;
            continue;
        }
        if (!imSpiel) continue;
        if (einzug == 0) einzug = vorne;
        if (vorne != einzug) continue;
        const std::string_view rest = zeile.substr(vorne);
        const std::size_t doppelpunkt = rest.find(':');
        if (doppelpunkt == std::string_view::npos) continue;
        const std::string_view schluessel = rest.substr(0, doppelpunkt);
        if (schluessel == "prefix") spiel.Prefix = YamlWert(rest.substr(doppelpunkt + 1));
        if (schluessel == "exe") spiel.Exe = YamlWert(rest.substr(doppelpunkt + 1));
    }
    return spiel;
}

std::vector<std::string> HeroicPrefixeLesen(std::string_view json) {
    // Reads a JSON string starting at json[pos] == '"', leaves pos behind it.
    auto zeichenkette = [&json](std::size_t& pos) {
        std::string aus;
        char32_t hoch = 0;  // a pending high surrogate of a \u pair
        for (++pos; pos < json.size() && json[pos] != '"'; ++pos) {
            if (json[pos] != '\\' || pos + 1 >= json.size()) {
                aus += json[pos];
                continue;
            }
            const char e = json[++pos];
            if (e != 'u') {
                aus += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e == 'b' ? '\b' : e == 'f' ? '\f' : e;
                continue;
            }
            char32_t z = 0;
            int ziffern = 0;
            for (; ziffern < 4 && pos + 1 < json.size(); ++ziffern) {
                const char h = json[pos + 1];
                const int wert = h >= '0' && h <= '9' ? h - '0' : (h | 0x20) >= 'a' && (h | 0x20) <= 'f' ? (h | 0x20) - 'a' + 10 : -1;
                if (wert < 0) break;
                z = z * 16 + static_cast<char32_t>(wert);
                ++pos;
            }
            if (hoch != 0 && !(z >= 0xDC00 && z < 0xE000)) Utf8Anhaengen(aus, 0xFFFD);
            if (z >= 0xD800 && z < 0xDC00) {
                hoch = z;
                continue;
            }
            if (z >= 0xDC00 && z < 0xE000 && hoch != 0) z = 0x10000 + ((hoch - 0xD800) << 10) + (z - 0xDC00);
            else if (z >= 0xD800 && z < 0xE000) z = 0xFFFD;
            hoch = 0;
            Utf8Anhaengen(aus, z);
        }
        ++pos;
        return aus;
    };
    std::vector<std::string> prefixe;
    std::size_t pos = 0;
    while (pos < json.size()) {
        if (json[pos] != '"') {
            ++pos;
            continue;
        }
        if (zeichenkette(pos) != "winePrefix") continue;
        while (pos < json.size() && Leer(json[pos])) ++pos;
        if (pos >= json.size() || json[pos] != ':') continue;
        ++pos;
        while (pos < json.size() && Leer(json[pos])) ++pos;
        if (pos < json.size() && json[pos] == '"') prefixe.push_back(zeichenkette(pos));
    }
    return prefixe;
}

}  // namespace spiel
