#include "core/platform/dateioperationen.h"

#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/fehlerplan.h"

namespace plattform {

bool Loeschen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Loeschen)) return false;
    return ::unlink(pfad.c_str()) == 0;
}

bool GleicheDatei(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool NameBelegt(const std::string& pfad) {
    struct stat st {};
    return ::lstat(pfad.c_str(), &st) == 0;
}

bool GenauSoGeschrieben(const std::string&) { return true; }

}  // namespace plattform
