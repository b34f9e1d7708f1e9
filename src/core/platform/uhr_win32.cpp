#include "core/platform/uhr.h"

#include <windows.h>

namespace plattform {

TDateTime JetztLokal() {
    SYSTEMTIME jetzt;
    GetLocalTime(&jetzt);
    TDatumTeile teile;
    teile.Jahr = jetzt.wYear;
    teile.Monat = jetzt.wMonth;
    teile.Tag = jetzt.wDay;
    teile.Stunde = jetzt.wHour;
    teile.Minute = jetzt.wMinute;
    teile.Sekunde = jetzt.wSecond;
    teile.Millisekunde = jetzt.wMilliseconds;
    return DatumKodieren(teile);
}

}  // namespace plattform
