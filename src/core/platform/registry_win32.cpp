#include "core/platform/registry.h"

#include <windows.h>

#include <vector>

#include "core/fehler.h"
#include "core/platform/breit_win32.h"
#include "core/platform/registry_win32.h"

namespace plattform {
namespace {

class Schluessel {
public:
    explicit Schluessel(HKEY griff) : griff_(griff) {}
    ~Schluessel() { RegCloseKey(griff_); }
    Schluessel(const Schluessel&) = delete;
    Schluessel& operator=(const Schluessel&) = delete;
    HKEY Griff() const { return griff_; }

private:
    HKEY griff_;
};

[[noreturn]] void FalscherTyp(const std::string& wert) {
    throw Fehler(TFehlerart::RegistryDatentyp, wert);
}

}  // namespace

std::string RegistryWertLesen(RegistryWurzel wurzel, RegistryAnsicht ansicht, const std::string& schluessel,
                              const std::string& wert) {
    const std::wstring breitSchluessel = Breit(schluessel), breitWert = Breit(wert);
    HKEY griff = nullptr;
    const REGSAM sicht = ansicht == RegistryAnsicht::Bit32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    if (RegOpenKeyExW(wurzel == RegistryWurzel::Maschine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                      breitSchluessel.c_str(), 0, KEY_QUERY_VALUE | sicht, &griff) != ERROR_SUCCESS)
        return {};
    const Schluessel offen(griff);

    DWORD typ = 0;
    DWORD groesse = 0;
    LONG ergebnis = RegQueryValueExW(offen.Griff(), breitWert.c_str(), nullptr, &typ, nullptr, &groesse);
    if (ergebnis != ERROR_SUCCESS) return {};
    if (typ != REG_SZ && typ != REG_EXPAND_SZ) FalscherTyp(wert);

    // The value may grow between the two queries; ask again until it fits. The size
    // is in bytes, and a stored string may have an odd count of them.
    std::vector<wchar_t> puffer;
    do {
        puffer.assign(static_cast<std::size_t>(groesse) / sizeof(wchar_t) + 2, L'\0');
        groesse = static_cast<DWORD>((puffer.size() - 1) * sizeof(wchar_t));
        ergebnis = RegQueryValueExW(offen.Griff(), breitWert.c_str(), nullptr, &typ,
                                    reinterpret_cast<BYTE*>(puffer.data()), &groesse);
    } while (ergebnis == ERROR_MORE_DATA);
    if (ergebnis != ERROR_SUCCESS) return {};
    if (typ != REG_SZ && typ != REG_EXPAND_SZ) FalscherTyp(wert);
    // Stored strings need not end in a null; the extra unit guarantees one.
    return Schmal(puffer.data());
}

std::string RegistryPfadLesen(const std::string& schluessel, const std::string& wert) {
    // The game's installer is a 32-bit program, so on 64-bit Windows its key lives in the
    // 32-bit view (Wow6432Node), which a 64-bit build does not see unless asked to. The
    // native 64-bit view follows for installers of the later kind.
    for (const RegistryAnsicht ansicht : {RegistryAnsicht::Bit32, RegistryAnsicht::Bit64})
        if (std::string ordner = RegistryWertLesen(RegistryWurzel::Maschine, ansicht, schluessel, wert); !ordner.empty())
            return ordner;
    return {};
}

}  // namespace plattform
