#include "core/platform/ersetzen.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

std::string Ordner(const std::string& pfad) {
    auto trenner = pfad.rfind('/');
    if (trenner == std::string::npos) return ".";
    return trenner == 0 ? "/" : pfad.substr(0, trenner);
}

// rename() is atomic, but only a synced directory makes the new entry survive a power cut.
// A file system that cannot sync a directory (EINVAL) leaves nothing to be done about it.
void OrdnerSichern(const std::string& ordner) {
    int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    while (::fsync(fd) != 0 && errno == EINTR) {
    }
    ::close(fd);
}

}  // namespace

bool Ersetzen(const std::string& neu, const std::string& ziel) {
    if (SollFehlschlagen(Operation::Ersetzen)) return false;
    // As ReplaceFile does on Windows: the replaced file's permissions live on, so a
    // replay that was group-readable stays so.
    struct stat alt {};
    if (::stat(ziel.c_str(), &alt) == 0) ::chmod(neu.c_str(), alt.st_mode & 07777);
    if (std::rename(neu.c_str(), ziel.c_str()) != 0) return false;
    OrdnerSichern(Ordner(ziel));
    return true;
}

}  // namespace plattform
