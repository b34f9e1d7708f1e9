#include "core/ordnerblick.h"

#include <memory>

#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/maske.h"

TOrdnerblick::TOrdnerblick(std::string ordner, std::string maske) : ordner_(std::move(ordner)), maske_(std::move(maske)) {}

std::vector<std::string> TOrdnerblick::Blicken(bool melden) {
    std::vector<std::string> geaendert;
    plattform::Aufzaehlung liste = plattform::AufzaehlenMitStempel(ordner_ + maske_);
    // Windows lists the stamps; POSIX looks each name up in the open folder.
    std::unique_ptr<plattform::Ordnerstempel> einzeln;
    if (liste.stempel.size() != liste.namen.size()) einzeln = std::make_unique<plattform::Ordnerstempel>(ordner_);
    ++blick_;
    for (std::size_t i = 0; i < liste.namen.size(); ++i) {
        std::string& name = liste.namen[i];
        const std::optional<plattform::Dateistempel> stempel =
            einzeln ? einzeln->Lesen(name) : std::optional(liste.stempel[i]);
        auto [it, neu] = stand_.try_emplace(std::move(name));
        if (melden && (neu || it->second.stempel != stempel)) geaendert.push_back(it->first);
        it->second.stempel = stempel;
        it->second.gesehen = blick_;
    }
    for (auto it = stand_.begin(); it != stand_.end();) {
        if (it->second.gesehen == blick_) {
            ++it;
            continue;
        }
        if (melden) geaendert.push_back(it->first);
        it = stand_.erase(it);
    }
    return geaendert;
}

void TOrdnerblick::Aufnehmen() { Blicken(false); }

void TOrdnerblick::Aufnehmen(TStaende staende) {
    stand_.clear();
    stand_.reserve(staende.size());
    for (auto& [name, stempel] : staende) stand_[std::move(name)] = {stempel, blick_};
}

std::vector<std::string> TOrdnerblick::Vergleichen() { return Blicken(true); }

void TOrdnerblick::Nachtragen(const std::string& name) {
    if (!plattform::PasstZuMaske(name, maske_)) return;
    auto stempel = plattform::StempelLesen(ordner_ + name);
    if (!stempel && !plattform::NameBelegt(ordner_ + name)) {
        stand_.erase(name);
        return;
    }
    TStand& s = stand_[name];
    s.stempel = stempel;
    s.gesehen = blick_;
}
