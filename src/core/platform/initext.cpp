#include "core/platform/initext.h"

#include "core/platform/ini.h"
#include "core/zeichensatz.h"

namespace plattform {

std::string IniKuerzen(std::string wert) {
    constexpr std::size_t hoechstens = IniPuffergroesse - 1;
    if (wert.size() <= hoechstens) return wert;
    if (AnzeigeText(wert) != wert) {
        wert.resize(hoechstens);
        return wert;
    }
    std::u16string einheiten = Utf16AusUtf8(wert);
    if (einheiten.size() <= hoechstens) return wert;
    einheiten.resize(hoechstens);
    // Half a pair would show as U+FFFD.
    if (einheiten.back() >= 0xD800 && einheiten.back() < 0xDC00) einheiten.pop_back();
    return Utf8AusUtf16(einheiten);
}

std::string_view IniGetrimmt(std::string_view s) {
    constexpr std::string_view leer = " \t\r\n";
    const auto anfang = s.find_first_not_of(leer);
    if (anfang == std::string_view::npos) return {};
    return s.substr(anfang, s.find_last_not_of(leer) - anfang + 1);
}

bool IniNameGleich(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (klein(a[i]) != klein(b[i])) return false;
    }
    return true;
}

std::vector<IniZeile> IniZeilen(std::string_view inhalt) {
    std::vector<IniZeile> zeilen;
    std::size_t pos = 0;
    while (pos < inhalt.size()) {
        auto ende = inhalt.find('\n', pos);
        ende = ende == std::string_view::npos ? inhalt.size() : ende + 1;
        IniZeile z{inhalt.substr(pos, ende - pos), {}, {}, {}};
        const auto kern = IniGetrimmt(z.text);
        // A '[' without its ']' opens no section: Windows reads that line as a key line of
        // the section before it.
        const auto schluss = kern.empty() || kern[0] != '[' ? std::string_view::npos : kern.find(']');
        if (schluss != std::string_view::npos) {
            z.abschnitt = IniGetrimmt(kern.substr(1, schluss - 1));
        } else if (!kern.empty() && kern[0] != ';') {
            const auto gleich = kern.find('=');
            if (gleich != std::string_view::npos) {
                z.schluessel = IniGetrimmt(kern.substr(0, gleich));
                z.wert = IniGetrimmt(kern.substr(gleich + 1));
            }
        }
        zeilen.push_back(z);
        pos = ende;
    }
    return zeilen;
}

std::optional<std::string> IniWertSuchen(std::string_view inhalt, std::string_view abschnitt,
                                         std::string_view schluessel) {
    // Only the first section of the name counts, as for GetPrivateProfileStringA; a later
    // one of the same name is never searched.
    bool imAbschnitt = false;
    for (const IniZeile& z : IniZeilen(inhalt)) {
        if (z.abschnitt) {
            if (imAbschnitt) break;
            imAbschnitt = IniNameGleich(*z.abschnitt, abschnitt);
        } else if (imAbschnitt && z.schluessel && IniNameGleich(*z.schluessel, schluessel)) {
            std::string_view wert = z.wert;
            if (wert.size() >= 2 && (wert.front() == '"' || wert.front() == '\'') && wert.back() == wert.front())
                wert = wert.substr(1, wert.size() - 2);
            return std::string(wert);
        }
    }
    return std::nullopt;
}

}  // namespace plattform
