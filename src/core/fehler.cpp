#include "core/fehler.h"

namespace {

const char* Technisch(TFehlerart art) {
    switch (art) {
        case TFehlerart::Lesefehler: return "read error";
        case TFehlerart::Dateiende: return "read past the end of the file";
        case TFehlerart::PositionAusserhalb: return "position outside the file";
        case TFehlerart::DatentraegerVoll: return "disk full";
        case TFehlerart::Schreibfehler: return "write error";
        case TFehlerart::Sichern: return "sync failed";
        case TFehlerart::Schliessen: return "close failed";
        case TFehlerart::NamensLaenge: return "name of 1 to 25 code units expected";
        case TFehlerart::Ersetzen: return "replace failed";
        case TFehlerart::ConfigNichtSchreibbar: return "settings not writable";
        case TFehlerart::RegistryDatentyp: return "registry value of another type";
        case TFehlerart::KeineZahl: return "no integer";
    }
    return "error";
}

}  // namespace

Fehler::Fehler(TFehlerart art, std::string argument)
    : std::runtime_error(argument.empty() ? Technisch(art) : std::string(Technisch(art)) + ": " + argument),
      art_(art),
      argument_(std::move(argument)) {}
