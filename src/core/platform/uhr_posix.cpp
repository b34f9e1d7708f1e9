#include "core/platform/uhr.h"

#include <ctime>

namespace plattform {

TDateTime JetztLokal() {
    timespec jetzt{};
    clock_gettime(CLOCK_REALTIME, &jetzt);
    std::tm lokal{};
    localtime_r(&jetzt.tv_sec, &lokal);
    TDatumTeile teile;
    teile.Jahr = lokal.tm_year + 1900;
    teile.Monat = lokal.tm_mon + 1;
    teile.Tag = lokal.tm_mday;
    teile.Stunde = lokal.tm_hour;
    teile.Minute = lokal.tm_min;
    // A leap second shows as the last second of its minute.
    teile.Sekunde = lokal.tm_sec > 59 ? 59 : lokal.tm_sec;
    teile.Millisekunde = static_cast<int>(jetzt.tv_nsec / 1000000);
    return DatumKodieren(teile);
}

}  // namespace plattform
