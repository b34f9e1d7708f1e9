#include "cli/optionen.h"

#include <algorithm>

#include "cli/clitext.h"

namespace {

bool Enthalten(std::initializer_list<std::string_view> liste, std::string_view wort) {
    return std::find(liste.begin(), liste.end(), wort) != liste.end();
}

}  // namespace

int Benutzungsfehler(std::string_view benutzung) {
    StderrSchreiben("usage: " + AlsQString(benutzung) + "\n");
    return 2;
}

std::optional<int> Auswerten(const std::vector<std::string>& argumente, std::string_view benutzung,
                             std::initializer_list<std::string_view> schalter,
                             std::initializer_list<std::string_view> mitWert, TAufruf& aufruf) {
    bool optionenVorbei = false;
    for (std::size_t k = 0; k < argumente.size(); ++k) {
        const std::string& a = argumente[k];
        if (optionenVorbei || a.size() < 2 || a[0] != '-' || (a[1] != '-' && a != "-h")) {
            aufruf.operanden.push_back(a);
        } else if (a == "--") {
            optionenVorbei = true;
        } else if (a == "--help" || a == "-h") {
            StdoutSchreiben("usage: " + AlsQString(benutzung) + "\n");
            return 0;
        } else if (Enthalten(schalter, a)) {
            if (!aufruf.schalter.insert(a).second) return Benutzungsfehler(benutzung);
        } else if (Enthalten(mitWert, a)) {
            if (k + 1 == argumente.size() || !aufruf.werte.emplace(a, argumente[k + 1]).second)
                return Benutzungsfehler(benutzung);
            ++k;
        } else {
            return Benutzungsfehler(benutzung);
        }
    }
    return std::nullopt;
}
