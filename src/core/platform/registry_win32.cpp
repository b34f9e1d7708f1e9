#include "platform/registry.h"

#include <windows.h>

#include <vector>

#include "fehler.h"
#include "platform/codepage.h"

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

}  // namespace

std::string RegistryPfadLesen(const std::string& schluessel, const std::string& wert) {
    HKEY griff = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, schluessel.c_str(), 0, KEY_QUERY_VALUE, &griff) != ERROR_SUCCESS)
        return {};
    const Schluessel offen(griff);

    DWORD typ = 0;
    DWORD groesse = 0;
    LONG ergebnis = RegQueryValueExA(offen.Griff(), wert.c_str(), nullptr, &typ, nullptr, &groesse);
    if (ergebnis != ERROR_SUCCESS) return {};
    if (typ != REG_SZ && typ != REG_EXPAND_SZ)
        throw Fehler(AnsiAusUtf8("Ungültiger Datentyp für '") + wert + "'");

    // The value may grow between the two queries; ask again until it fits.
    std::vector<char> puffer;
    do {
        puffer.assign(static_cast<std::size_t>(groesse) + 1, '\0');
        groesse = static_cast<DWORD>(puffer.size() - 1);
        ergebnis = RegQueryValueExA(offen.Griff(), wert.c_str(), nullptr, &typ,
                                    reinterpret_cast<BYTE*>(puffer.data()), &groesse);
    } while (ergebnis == ERROR_MORE_DATA);
    if (ergebnis != ERROR_SUCCESS) return {};
    if (typ != REG_SZ && typ != REG_EXPAND_SZ)
        throw Fehler(AnsiAusUtf8("Ungültiger Datentyp für '") + wert + "'");
    // Stored strings need not end in a null; the extra byte guarantees one.
    return std::string(puffer.data());
}

}  // namespace plattform
