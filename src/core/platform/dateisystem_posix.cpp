#include "core/platform/dateisystem.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "core/platform/fatzeit.h"
#include "core/platform/maske.h"

namespace plattform {

std::vector<std::string> Aufzaehlen(const std::string& muster) {
    std::vector<std::string> namen;
    // As FindFirstFile does: the last separator splits folder and mask, and a mask that
    // is glued to a folder name (".../sub*.rec") searches the folder above it.
    const auto trenner = muster.rfind('/');
    const std::string ordner = trenner == std::string::npos ? "." : muster.substr(0, trenner + 1);
    const std::string maske = trenner == std::string::npos ? muster : muster.substr(trenner + 1);
    if (maske.empty()) return namen;

    std::unique_ptr<DIR, int (*)(DIR*)> verzeichnis(::opendir(ordner.c_str()), &::closedir);
    if (!verzeichnis) return namen;
    while (const dirent* eintrag = ::readdir(verzeichnis.get())) {
        const std::string name = eintrag->d_name;
        if (name == "." || name == "..") continue;
        if (PasstZuMaske(name, maske)) namen.push_back(name);
    }
    return namen;
}

// readdir gives no stamps; the index stats only the names it knows.
Aufzaehlung AufzaehlenMitStempel(const std::string& muster) { return {Aufzaehlen(muster), {}}; }

std::int32_t LetzteAenderungFat(const std::string& pfad) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
    return FatAusZeit(st.st_mtime);
}

bool DateiExistiert(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool VerzeichnisExistiert(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace plattform
