#include "cli/platform/konsole.h"

namespace konsole {

bool TAusgabe::IstKonsole(Strom) const { return false; }

bool TAusgabe::Schreiben(Strom strom, std::string_view utf8) {
    return std::fwrite(utf8.data(), 1, utf8.size(), Datei(strom)) == utf8.size();
}

bool TAusgabe::Abschliessen() { return std::fflush(aus_) == 0 && !std::ferror(aus_); }

TAusgabe& Systemausgabe() {
    static TAusgabe ausgabe(stdout, stderr);
    return ausgabe;
}

bool EigeneKonsole() { return false; }

void AufTasteWarten() {}

}  // namespace konsole
