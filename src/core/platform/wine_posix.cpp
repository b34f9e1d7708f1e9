#include "core/platform/wine.h"

#include <dirent.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

namespace plattform {
namespace {

bool GleichOhneFall(const char* a, const std::string& b) {
    std::size_t i = 0;
    for (; a[i] != '\0' && i < b.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return a[i] == '\0' && i == b.size();
}

}  // namespace

std::string NameOhneFall(const std::string& ordner, const std::string& name) {
    std::string genau = ordner;
    if (!genau.empty() && genau.back() != '/') genau += '/';
    struct stat info {};
    if (lstat((genau + name).c_str(), &info) == 0) return name;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(ordner.empty() ? "." : ordner.c_str()), closedir);
    if (!dir) return {};
    while (const dirent* eintrag = readdir(dir.get()))
        if (GleichOhneFall(eintrag->d_name, name)) return eintrag->d_name;
    return {};
}

std::string WindowsPfadAbbilden(const std::string& praefix, const std::string& windowsPfad) {
    const bool mitLaufwerk = windowsPfad.size() >= 2 && windowsPfad[1] == ':' &&
                             ((windowsPfad[0] >= 'A' && windowsPfad[0] <= 'Z') ||
                              (windowsPfad[0] >= 'a' && windowsPfad[0] <= 'z'));
    if (!mitLaufwerk) return windowsPfad;
    const std::string verweis = praefix + "/dosdevices/" + static_cast<char>(windowsPfad[0] | 0x20) + ":";
    char ziel[PATH_MAX];
    if (::realpath(verweis.c_str(), ziel) == nullptr) return windowsPfad;

    std::vector<std::string> teile;
    std::string teil;
    for (std::size_t i = 2; i <= windowsPfad.size(); ++i) {
        if (i == windowsPfad.size() || windowsPfad[i] == '\\' || windowsPfad[i] == '/') {
            if (!teil.empty()) teile.push_back(std::move(teil));
            teil.clear();
        } else {
            teil += windowsPfad[i];
        }
    }
    std::string ergebnis = ziel;
    bool vorhanden = true;  // once a part is missing, nothing below it can be looked up
    for (const std::string& t : teile) {
        std::string name = vorhanden ? NameOhneFall(ergebnis, t) : std::string();
        if (name.empty()) {
            vorhanden = false;
            name = t;
        }
        if (ergebnis.back() != '/') ergebnis += '/';
        ergebnis += name;
    }
    const char letztes = windowsPfad.back();
    if ((teile.empty() || letztes == '\\' || letztes == '/') && ergebnis.back() != '/') ergebnis += '/';
    return ergebnis;
}

}  // namespace plattform
