#include "core/spiel/playbackordner.h"

#include <filesystem>
#include <system_error>

#include "core/platform/benutzerordner.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/transfers.h"

namespace {

void Anhaengen(std::vector<std::string>& liste, const std::string& ordner) {
    if (ordner.empty() || !plattform::VerzeichnisExistiert(ordner)) return;
    for (const std::string& da : liste)
        if (GleicherOrdner(da, ordner)) return;
    liste.push_back(ordner);
}

std::string Zwilling(const std::string& dowVerzeichnis) {
    const std::string zwilling = plattform::VirtualStoreZwilling(dowVerzeichnis);
    return zwilling.empty() ? zwilling : PlaybackOrdner(zwilling);
}

}  // namespace

std::vector<std::string> PlaybackOrdnerVon(const std::string& dowVerzeichnis) {
    std::vector<std::string> ordner;
    if (dowVerzeichnis.empty()) return ordner;
    Anhaengen(ordner, PlaybackOrdner(dowVerzeichnis));
    Anhaengen(ordner, Zwilling(dowVerzeichnis));
    return ordner;
}

std::vector<std::string> AllePlaybackOrdner(const std::string& dowVerzeichnis,
                                            const std::vector<TInstallation>& installationen,
                                            const std::vector<std::string>& weitere) {
    std::vector<std::string> alle;
    for (const std::string& o : PlaybackOrdnerVon(dowVerzeichnis)) Anhaengen(alle, o);
    for (const TInstallation& i : installationen)
        for (const std::string& o : PlaybackOrdnerVon(i.Ordner)) Anhaengen(alle, o);
    for (const std::string& o : weitere) Anhaengen(alle, plattform::OrdnerMitTrenner(o));
    return alle;
}

std::string PlaybackZiel(const std::string& dowVerzeichnis) {
    const std::string playback = PlaybackOrdner(dowVerzeichnis);
    const std::string zwilling = Zwilling(dowVerzeichnis);
    if (zwilling.empty() || plattform::OrdnerBeschreibbar(playback)) return playback;
    std::error_code fehler;
    std::filesystem::create_directories(
        std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(zwilling.data()), zwilling.size())), fehler);
    return zwilling;
}
