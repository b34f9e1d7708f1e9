#include "core/platform/ordnerzustand.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>

namespace plattform {

Ordnerzustand OrdnerZustand(const std::string& ordner) {
    struct stat info {};
    // "datei/" fails with ENOTDIR; asked without its separator, a file says what it is.
    std::string ohneTrenner = ordner;
    while (ohneTrenner.size() > 1 && ohneTrenner.back() == '/') ohneTrenner.pop_back();
    if (::stat(ohneTrenner.c_str(), &info) != 0)
        return errno == EACCES ? Ordnerzustand::NichtLesbar : Ordnerzustand::Fehlt;
    if (!S_ISDIR(info.st_mode)) return Ordnerzustand::KeinOrdner;
    DIR* liste = ::opendir(ordner.c_str());
    if (!liste) return Ordnerzustand::NichtLesbar;
    ::closedir(liste);
    return Ordnerzustand::Lesbar;
}

}  // namespace plattform
