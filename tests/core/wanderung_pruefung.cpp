#include "wanderung_pruefung.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/tempdatei.h"
#include "core/transfers.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

namespace fs = std::filesystem;

namespace wanderung {

// Whole files in one read: the walks read every file twice a step.
Bytes Einlesen(const std::string& pfad) {
    std::ifstream ein(FsPfad(pfad), std::ios::binary | std::ios::ate);
    if (!ein) return {};
    Bytes inhalt(static_cast<std::size_t>(ein.tellg()));
    ein.seekg(0);
    ein.read(reinterpret_cast<char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
    inhalt.resize(static_cast<std::size_t>(ein.gcount()));
    return inhalt;
}

bool IstRec(const std::string& name) {
    if (name.size() < 4) return false;
    std::string endung = name.substr(name.size() - 4);
    std::transform(endung.begin(), endung.end(), endung.begin(), [](unsigned char z) { return std::tolower(z); });
    return endung == ".rec";
}

std::string NameVon(const std::string& pfad) { return Utf8Pfad(FsPfad(pfad).filename()); }

std::vector<std::string> Replays(const std::string& ordner) {
    std::vector<std::string> namen;
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(FsPfad(ordner), fehler)) {
        const std::string name = Utf8Pfad(eintrag.path().filename());
        if (eintrag.is_regular_file() && IstRec(name)) namen.push_back(name);
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

Bestand Lesen(const std::vector<std::string>& ordner) {
    Bestand bestand;
    for (const std::string& o : ordner) {
        std::error_code fehler;
        for (const auto& eintrag : fs::directory_iterator(FsPfad(o), fehler))
            if (eintrag.is_regular_file()) {
                const std::string pfad = o + Utf8Pfad(eintrag.path().filename());
                bestand[pfad] = Einlesen(pfad);
            }
    }
    return bestand;
}

std::optional<Bytes> DraussenSchreiben(const std::string& pfad, const Bytes& inhalt, fs::file_time_type zeit) {
    std::error_code fehler;
    std::optional<Bytes> alt;
    if (fs::exists(FsPfad(pfad), fehler)) alt = Einlesen(pfad);
    std::ofstream aus(FsPfad(pfad), std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
    aus.close();
    fs::last_write_time(FsPfad(pfad), zeit, fehler);
    return alt;
}

std::optional<Bytes> DraussenEntfernen(const std::string& pfad) {
    if (pfad.empty()) return std::nullopt;
    Bytes alt = Einlesen(pfad);
    std::error_code fehler;
    if (!fs::remove(FsPfad(pfad), fehler)) return std::nullopt;
    return alt;
}

bool Weiterschreiben(TWachsend& w, const std::string& pfad, fs::file_time_type zeit) {
    const std::size_t stueck = std::min(w.ziel.size() - w.geschrieben, w.ziel.size() / 3 + 1);
    w.aus.write(reinterpret_cast<const char*>(w.ziel.data() + w.geschrieben), static_cast<std::streamsize>(stueck));
    w.aus.flush();
    w.geschrieben += stueck;
    std::error_code fehler;
    fs::last_write_time(FsPfad(pfad), zeit, fehler);
    return w.geschrieben == w.ziel.size();
}

TWanderuhr::TWanderuhr(const std::string& ordner) {
    const std::string probe = ordner + "uhr";
    std::ofstream(FsPfad(probe)).close();
    fs::last_write_time(FsPfad(probe), Jetzt());
    plattform::Dateizustand zustand;
    plattform::ZustandLesen(probe, zustand);
    basis_ = zustand.aenderung;
    fs::remove(FsPfad(probe));
    Stellen();
}

fs::file_time_type TWanderuhr::Jetzt() const {
    // Whole days, so that the names a template makes of the times are the same in every
    // walk of a day, and a failing walk repeats.
    static const auto basis = std::chrono::floor<std::chrono::days>(fs::file_time_type::clock::now()) +
                              std::chrono::days(2);
    return basis + std::chrono::seconds(sekunden_);
}

void TWanderuhr::Weiter(int sekunden) {
    sekunden_ += sekunden;
    Stellen();
}

void TWanderuhr::Stellen() const { plattform::UhrStellen(basis_ + sekunden_ * plattform::StempelProSekunde()); }

std::vector<Bytes> Vorrat() {
    std::vector<Bytes> vorrat;
    for (int i = 0; i < 6; ++i) {
        ReplayBauer bau;
        bau.Name = std::u16string(u"Spiel ") + char16_t(u'A' + i);
        bau.KartenSchluessel = i % 2 ? "4P_QUATRA" : "2P_BATTLE_MARSHES";
        if (i >= 4) {
            SpielerBau zweiter;
            zweiter.Name = u"Zweiter";
            zweiter.Rasse = "ork_race";
            zweiter.Team = 1;
            bau.Spieler.push_back(zweiter);
        }
        vorrat.push_back(bau.Bauen());
    }
    return vorrat;
}

std::string Beschreiben(const Bytes& inhalt, const std::vector<Bytes>& vorrat, const std::set<Bytes>& vollstaendig) {
    for (std::size_t i = 0; i < vorrat.size(); ++i)
        if (vorrat[i] == inhalt) return std::string("Spiel ") + char('A' + i);
    if (vollstaendig.count(inhalt)) return "ein umbenanntes Spiel";
    return "ein Teil eines Spiels (" + std::to_string(inhalt.size()) + " Bytes)";
}

std::string DateienPruefen(const Bestand& nachher, const std::set<Bytes>& vollstaendig,
                           const std::map<std::string, Bytes>& draussenGeschrieben, bool fehler,
                           std::set<std::string>& erlaubteReste,
                           const std::function<std::string(const Bytes&)>& beschreiben) {
    std::string befund;
    for (const auto& [pfad, inhalt] : nachher) {
        const std::string name = NameVon(pfad);
        if (IstRec(name)) {
            const auto draussen = draussenGeschrieben.find(pfad);
            if (!vollstaendig.count(inhalt) && (draussen == draussenGeschrieben.end() || draussen->second != inhalt))
                befund += " unvollstaendig: " + name + " haelt " + beschreiben(inhalt) + ";";
        } else if (!plattform::IstTempName(name)) {
            befund += " fremde Datei " + name + ";";
        } else if (fehler) {
            erlaubteReste.insert(pfad);
        } else if (!erlaubteReste.count(pfad)) {
            befund += " temporaere Datei " + name + " liegengeblieben;";
        }
    }
    return befund;
}

std::vector<Bytes> Inhalte(const Bestand& bestand, const std::string& ordner) {
    std::vector<Bytes> inhalte;
    for (const auto& [pfad, inhalt] : bestand)
        if (pfad.starts_with(ordner) && pfad.find('/', ordner.size()) == std::string::npos && IstRec(pfad))
            inhalte.push_back(inhalt);
    return inhalte;
}

bool Haelt(const Bestand& bestand, const std::string& ordner, const Bytes& inhalt) {
    const auto inhalte = Inhalte(bestand, ordner);
    return std::find(inhalte.begin(), inhalte.end(), inhalt) != inhalte.end();
}

std::vector<Bytes> Neue(const Bestand& vorher, const Bestand& nachher, const std::string& ordner,
                        std::string& befund) {
    std::vector<Bytes> neue;
    for (const auto& [pfad, inhalt] : nachher)
        if (pfad.starts_with(ordner) && IstRec(pfad) && !vorher.count(pfad)) neue.push_back(inhalt);
    for (const auto& [pfad, inhalt] : vorher) {
        const auto it = nachher.find(pfad);
        if (pfad.starts_with(ordner) && IstRec(pfad) && it != nachher.end() && it->second != inhalt)
            befund += " " + NameVon(pfad) + " wurde ersetzt;";
    }
    return neue;
}

std::string BerichtPruefen(const TKopierbericht& bericht, const std::vector<std::string>& quellen,
                           const std::string& ziel, bool entfernen, const Bestand& vorher, const Bestand& nachher) {
    std::string befund;
    std::vector<Bytes> kopiert;
    std::vector<std::string> genannt;
    for (const TKopierteDatei& d : bericht.Dateien) {
        // A report over several folders names each file's folder.
        const std::string quelle = (d.Ordner.empty() ? quellen.front() : d.Ordner) + d.Name;
        genannt.push_back(quelle);
        const auto it = vorher.find(quelle);
        if (it == vorher.end()) {
            befund += " " + d.Name + " war nicht da;";
            continue;
        }
        if (d.Stand == TKopierstand::Kopiert) kopiert.push_back(it->second);
        if (Angekommen(d.Stand) && !Haelt(nachher, ziel, it->second)) befund += " " + d.Name + " nicht angekommen;";
        if (d.Entfernt != !nachher.count(quelle)) befund += " " + d.Name + ": Entfernt stimmt nicht;";
        if (d.Entfernt && (!entfernen || !Angekommen(d.Stand))) befund += " " + d.Name + " entfernt ohne Kopie;";
    }
    std::vector<std::string> da;
    for (const std::string& quelle : quellen)
        for (const auto& [pfad, inhalt] : vorher)
            if (pfad.starts_with(quelle) && IstRec(pfad) && pfad.find('/', quelle.size()) == std::string::npos)
                da.push_back(pfad);
    std::sort(genannt.begin(), genannt.end());
    std::sort(da.begin(), da.end());
    if (genannt != da) befund += " der Bericht nennt nicht die Dateien der Ordner;";
    std::vector<Bytes> neue = Neue(vorher, nachher, ziel, befund);
    std::sort(neue.begin(), neue.end());
    std::sort(kopiert.begin(), kopiert.end());
    if (neue != kopiert)
        befund += " " + std::to_string(kopiert.size()) + " Kopiert gezaehlt, " + std::to_string(neue.size()) +
                  " neue Dateien;";
    return befund;
}

std::string Verlorene(const Bestand& vorher, const Bestand& nachher, const TVerbleib& verbleib,
                      const std::function<std::string(const Bytes&)>& beschreiben) {
    std::string befund;
    std::set<Bytes> davor, danach;
    for (const auto& [pfad, inhalt] : vorher)
        if (IstRec(pfad)) davor.insert(inhalt);
    for (const auto& [pfad, inhalt] : nachher)
        if (IstRec(pfad)) danach.insert(inhalt);
    // A replay is there when its content is, or what a rename made of it. Outside hands
    // that delete one file of a content delete the replay: an import that checked its copy
    // and then removes its source cannot see a delete that comes between the two.
    for (const Bytes& inhalt : davor) {
        std::vector<const Bytes*> offen{&inhalt};
        std::set<const Bytes*> gesehen;
        bool da = false;
        while (!da && !offen.empty()) {
            const Bytes* c = offen.back();
            offen.pop_back();
            if (!gesehen.insert(c).second) continue;
            da = danach.count(*c) || verbleib.draussenWeg.count(*c);
            if (const auto it = verbleib.umbenannt.find(*c); it != verbleib.umbenannt.end())
                for (const Bytes& u : it->second) offen.push_back(&u);
        }
        if (!da) befund += " verloren: " + beschreiben(inhalt) + ";";
    }
    return befund;
}

}  // namespace wanderung
