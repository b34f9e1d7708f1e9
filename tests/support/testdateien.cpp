#include "support/testdateien.h"

#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/types.h>
#include <utime.h>

void AenderungszeitSetzen(const std::string& pfad, int jahr, int monat, int tag, int stunde, int minute,
                          int sekunde) {
    std::tm zeit{};
    zeit.tm_year = jahr - 1900;
    zeit.tm_mon = monat - 1;
    zeit.tm_mday = tag;
    zeit.tm_hour = stunde;
    zeit.tm_min = minute;
    zeit.tm_sec = sekunde;
    zeit.tm_isdst = -1;
    utimbuf zeiten{};
    zeiten.actime = zeiten.modtime = std::mktime(&zeit);
    if (utime(pfad.c_str(), &zeiten) != 0) throw std::runtime_error("utime failed: " + pfad);
}

void SchreibschutzSetzen(const std::string& pfad, bool schreibgeschuetzt) {
    namespace fs = std::filesystem;
    auto schreiben = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(pfad, schreiben, schreibgeschuetzt ? fs::perm_options::remove : fs::perm_options::add);
}
