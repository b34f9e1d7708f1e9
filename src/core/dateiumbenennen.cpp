#include "core/dateiumbenennen.h"

#include <unordered_set>

#include "core/platform/dateioperationen.h"
#include "core/platform/tempdatei.h"
#include "core/uebertragung.h"

namespace {

// Windows, FAT and macOS take names without regard to letter case.
std::string Gefaltet(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

constexpr int kHoechsteNummer = 9999;

}  // namespace

std::string OhneRecEndung(const std::string& name) {
    if (name.size() >= 4 && Gefaltet(name.substr(name.size() - 4)) == ".rec") return name.substr(0, name.size() - 4);
    return name;
}

TUmbenennstand DateiUmbenennen(const std::string& ordner, const std::string& alt, const std::string& neu,
                               const std::optional<plattform::Dateistempel>& erwartet) {
    if (alt == neu) return TUmbenennstand::Gleich;
    const std::string von = ordner + alt;
    const auto stempel = plattform::StempelLesen(von);
    if (!stempel && !plattform::NameBelegt(von)) return TUmbenennstand::Fehlt;
    if (erwartet && stempel != erwartet) return TUmbenennstand::Geaendert;
    // A new letter case of the same name: Wine and some shares take a move onto the name
    // the file already has as done, without changing it. So the file goes through a name
    // of its own first, and back to its old name if the second step fails.
    if (Gefaltet(alt) == Gefaltet(neu)) {
        const std::string zwischen = ordner + neu + ".quellarch-umbenennen.tmp";
        if (plattform::OhneErsetzenUmbenennen(von, zwischen) != plattform::Einsetzergebnis::Eingesetzt)
            return plattform::NameBelegt(von) ? TUmbenennstand::Gescheitert : TUmbenennstand::Fehlt;
        if (plattform::OhneErsetzenUmbenennen(zwischen, ordner + neu) == plattform::Einsetzergebnis::Eingesetzt)
            return TUmbenennstand::Umbenannt;
        plattform::OhneErsetzenUmbenennen(zwischen, von);
        return TUmbenennstand::Gescheitert;
    }
    switch (plattform::OhneErsetzenUmbenennen(von, ordner + neu)) {
        case plattform::Einsetzergebnis::Eingesetzt: return TUmbenennstand::Umbenannt;
        case plattform::Einsetzergebnis::Belegt: return TUmbenennstand::Belegt;
        case plattform::Einsetzergebnis::Fehler: break;
    }
    return plattform::NameBelegt(von) ? TUmbenennstand::Gescheitert : TUmbenennstand::Fehlt;
}

void UmbenennungenPlanen(const std::string& ordner, std::vector<TUmbenennung>& plan) {
    std::unordered_set<std::string> vergeben;
    for (TUmbenennung& u : plan) {
        u.Neu = u.Alt;
        u.Stand = TUmbenennstand::KeinFreierName;
        for (int k = 1; k <= kHoechsteNummer; ++k) {
            const std::string kandidat = k == 1 ? u.Wunsch : NummerierterName(u.Wunsch, k);
            const std::string gefaltet = Gefaltet(kandidat);
            if (vergeben.count(gefaltet)) continue;
            // Its own name, maybe in another letter case, is free for it.
            const bool eigener = gefaltet == Gefaltet(u.Alt);
            if (!eigener && plattform::NameBelegt(ordner + kandidat) &&
                !plattform::GleicheDatei(ordner + u.Alt, ordner + kandidat))
                continue;
            u.Neu = kandidat;
            u.Stand = TUmbenennstand::Gleich;
            break;
        }
        vergeben.insert(Gefaltet(u.Neu));
    }
}

void UmbenennungenAusfuehren(const std::string& ordner, std::vector<TUmbenennung>& plan) {
    for (TUmbenennung& u : plan)
        if (u.Stand != TUmbenennstand::KeinFreierName) u.Stand = DateiUmbenennen(ordner, u.Alt, u.Neu, u.Erwartet);
}
