#include "core/platform/registry.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "core/fehler.h"
#include "core/platform/wine.h"
#include "core/zeichensatz.h"

// Wine keeps HKEY_LOCAL_MACHINE in <prefix>/system.reg, a text file of sections
//   [Software\\THQ\\Dawn of War] 1690000000
//   "InstallLocation"="C:\\Games\\DoW\\"
// with key and value names relative to the machine root and C-like escapes in strings.
namespace plattform {
namespace {

constexpr std::uint32_t RegSz = 1;
constexpr std::uint32_t RegExpandSz = 2;

std::string WinePraefix() {
    if (const char* praefix = std::getenv("WINEPREFIX"); praefix != nullptr && *praefix != '\0')
        return praefix;
    const char* heim = std::getenv("HOME");
    if (heim == nullptr || *heim == '\0') {
        const passwd* benutzer = getpwuid(getuid());
        heim = benutzer != nullptr ? benutzer->pw_dir : nullptr;
    }
    if (heim == nullptr || *heim == '\0') return {};
    return std::string(heim) + "/.wine";
}

bool IstHexZiffer(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
unsigned HexWert(char c) {
    return c <= '9' ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
}

// A string as Wine writes it, from text[pos] up to the unescaped character ende, which
// pos is left behind. nullopt when the line ends first.
std::optional<std::u16string> WineZeichenkette(std::string_view text, std::size_t& pos, char ende) {
    std::u16string aus;
    while (pos < text.size() && text[pos] != ende) {
        if (text[pos] != '\\') {
            // Wine itself escapes everything past ASCII, so raw UTF-8 only comes from
            // hand-edited files.
            const char stopp[] = {'\\', ende, '\0'};
            const auto bis = std::min(text.find_first_of(stopp, pos), text.size());
            aus += Utf16AusUtf8(text.substr(pos, bis - pos));
            pos = bis;
            continue;
        }
        if (++pos >= text.size()) return std::nullopt;
        const char c = text[pos++];
        switch (c) {
            case 'a': aus += u'\a'; break;
            case 'b': aus += u'\b'; break;
            case 'e': aus += u'\x1B'; break;
            case 'f': aus += u'\f'; break;
            case 'n': aus += u'\n'; break;
            case 'r': aus += u'\r'; break;
            case 't': aus += u'\t'; break;
            case 'v': aus += u'\v'; break;
            case 'x': {
                // Up to four hex digits: one UTF-16 code unit.
                if (pos >= text.size() || !IstHexZiffer(text[pos])) {
                    aus += u'x';
                    break;
                }
                unsigned einheit = 0;
                for (int i = 0; i < 4 && pos < text.size() && IstHexZiffer(text[pos]); ++i)
                    einheit = einheit * 16 + HexWert(text[pos++]);
                aus += static_cast<char16_t>(einheit);
                break;
            }
            default:
                if (c >= '0' && c <= '7') {
                    unsigned einheit = unsigned(c - '0');
                    for (int i = 0; i < 2 && pos < text.size() && text[pos] >= '0' && text[pos] <= '7'; ++i)
                        einheit = einheit * 8 + unsigned(text[pos++] - '0');
                    aus += static_cast<char16_t>(einheit);
                } else {
                    // Any other escaped character stands for itself: \\ \" \] and the
                    // rest of a UTF-8 sequence that begins with it.
                    std::size_t bis = pos;
                    while (bis < text.size() && (static_cast<unsigned char>(text[bis]) & 0xC0) == 0x80) ++bis;
                    aus += Utf16AusUtf8(text.substr(pos - 1, bis - pos + 1));
                    pos = bis;
                }
        }
    }
    if (pos >= text.size()) return std::nullopt;
    ++pos;
    return aus;
}

// Registry names compare without regard to letter case.
bool GleichOhneFall(const std::u16string& a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i];
        char16_t y = static_cast<unsigned char>(b[i]);
        if (x >= u'A' && x <= u'Z') x += 32;
        if (y >= u'A' && y <= u'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}

std::string_view OhneRandTrenner(std::string_view schluessel) {
    while (!schluessel.empty() && schluessel.front() == '\\') schluessel.remove_prefix(1);
    while (!schluessel.empty() && schluessel.back() == '\\') schluessel.remove_suffix(1);
    return schluessel;
}

// A 32-bit installer in a 64-bit prefix writes below Software\Wow6432Node: the 32-bit
// view, which the Win32 build asks first too. "SOFTWARE\THQ\Dawn of War" gives
// "SOFTWARE\Wow6432Node\THQ\Dawn of War"; a key outside Software has no such view ("").
std::string ZweiunddreissigBitSicht(std::string_view schluessel) {
    const auto trenner = schluessel.find('\\');
    if (trenner == std::string_view::npos) return {};
    const std::string_view erster = schluessel.substr(0, trenner);
    constexpr std::string_view kSoftware = "software";
    if (erster.size() != kSoftware.size()) return {};
    for (std::size_t i = 0; i < erster.size(); ++i)
        if ((erster[i] | 0x20) != kSoftware[i]) return {};
    return std::string(erster) + "\\Wow6432Node" + std::string(schluessel.substr(trenner));
}

struct Wert {
    std::uint32_t typ = 0;
    std::u16string text;  // only for the string types
};

// "hex(2):41,00,\" continues on the next line, so the caller hands over the remaining lines.
std::optional<Wert> WertLesen(const std::vector<std::string_view>& zeilen, std::size_t zeile, std::size_t pos) {
    std::string_view text = zeilen[zeile];
    auto beginntMit = [&](std::string_view vorsatz) {
        if (text.substr(pos, vorsatz.size()) != vorsatz) return false;
        pos += vorsatz.size();
        return true;
    };
    auto typInKlammern = [&](std::uint32_t& typ) {
        typ = 0;
        const std::size_t anfang = pos;
        while (pos < text.size() && IstHexZiffer(text[pos]) && pos - anfang < 8) typ = typ * 16 + HexWert(text[pos++]);
        return pos > anfang && beginntMit("):");
    };

    Wert wert;
    if (beginntMit("\"")) {
        wert.typ = RegSz;
    } else if (beginntMit("str(")) {
        if (!typInKlammern(wert.typ) || !beginntMit("\"")) return std::nullopt;
    } else if (beginntMit("dword:")) {
        wert.typ = 4;
        return wert;
    } else if (beginntMit("hex:")) {
        wert.typ = 3;
        return wert;
    } else if (beginntMit("hex(")) {
        if (!typInKlammern(wert.typ)) return std::nullopt;
        if (wert.typ != RegSz && wert.typ != RegExpandSz) return wert;
        // A string Wine could not write as text (no closing null): UTF-16LE bytes.
        std::vector<unsigned char> bytes;
        for (;;) {
            while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == ',')) ++pos;
            if (pos + 1 < text.size() && IstHexZiffer(text[pos]) && IstHexZiffer(text[pos + 1])) {
                bytes.push_back(static_cast<unsigned char>(HexWert(text[pos]) * 16 + HexWert(text[pos + 1])));
                pos += 2;
            } else if (pos < text.size() && text[pos] == '\\' && zeile + 1 < zeilen.size()) {
                text = zeilen[++zeile];
                pos = 0;
            } else {
                break;
            }
        }
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            wert.text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        return wert;
    } else {
        return std::nullopt;
    }
    auto zeichenkette = WineZeichenkette(text, pos, '"');
    if (!zeichenkette) return std::nullopt;
    wert.text = std::move(*zeichenkette);
    return wert;
}

std::vector<std::string_view> Zeilen(std::string_view inhalt) {
    std::vector<std::string_view> zeilen;
    std::size_t pos = 0;
    while (pos < inhalt.size()) {
        auto ende = inhalt.find('\n', pos);
        if (ende == std::string_view::npos) ende = inhalt.size();
        auto zeile = inhalt.substr(pos, ende - pos);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        zeilen.push_back(zeile);
        pos = ende + 1;
    }
    return zeilen;
}

std::optional<Wert> WertSuchen(const std::string& inhalt, std::string_view schluessel, std::string_view name) {
    const auto zeilen = Zeilen(inhalt);
    bool imSchluessel = false;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string_view zeile = zeilen[i];
        std::size_t pos = 1;
        if (!zeile.empty() && zeile[0] == '[') {
            if (imSchluessel) return std::nullopt;  // the key's section ended without the value
            const auto kname = WineZeichenkette(zeile, pos, ']');
            imSchluessel = kname && GleichOhneFall(*kname, schluessel);
        } else if (imSchluessel && !zeile.empty() && zeile[0] == '"') {
            const auto vname = WineZeichenkette(zeile, pos, '"');
            if (!vname || !GleichOhneFall(*vname, name) || pos >= zeile.size() || zeile[pos] != '=') continue;
            return WertLesen(zeilen, i, pos + 1);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string WineRegistryLesen(const std::string& praefix, const std::string& schluessel, const std::string& wert) {
    std::ifstream datei(praefix + "/system.reg", std::ios::binary);
    if (!datei) return {};
    const std::string inhalt{std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
    if (datei.bad()) return {};

    const std::string_view nativ = OhneRandTrenner(schluessel);
    std::optional<Wert> gefunden;
    if (const std::string sicht32 = ZweiunddreissigBitSicht(nativ); !sicht32.empty())
        gefunden = WertSuchen(inhalt, sicht32, wert);
    if (!gefunden) gefunden = WertSuchen(inhalt, nativ, wert);
    if (!gefunden) return {};
    if (gefunden->typ != RegSz && gefunden->typ != RegExpandSz)
        throw Fehler(TFehlerart::RegistryDatentyp, wert);
    // The program sees the string up to its first null, as RegQueryValueExA gives it.
    std::u16string& text = gefunden->text;
    if (const auto null = text.find(u'\0'); null != std::u16string::npos) text.resize(null);
    return Utf8AusUtf16(text);
}

std::string RegistryPfadLesen(const std::string& schluessel, const std::string& wert) {
    const std::string praefix = WinePraefix();
    if (praefix.empty()) return {};
    return WindowsPfadAbbilden(praefix, WineRegistryLesen(praefix, schluessel, wert));
}

}  // namespace plattform
