#include "core/datum.h"

#include <cmath>

namespace {

constexpr std::int64_t kMsProTag = 86400000;

// Days since 1 March of year 0 in the proleptic Gregorian calendar, taken in eras of
// 400 years so that negative years work too.
std::int64_t TageAusDatum(std::int64_t jahr, unsigned monat, unsigned tag) {
    jahr -= monat <= 2;
    const std::int64_t aera = (jahr >= 0 ? jahr : jahr - 399) / 400;
    const auto jahrDerAera = static_cast<unsigned>(jahr - aera * 400);
    const unsigned tagDesJahres = (153 * (monat > 2 ? monat - 3 : monat + 9) + 2) / 5 + tag - 1;
    const unsigned tagDerAera = jahrDerAera * 365 + jahrDerAera / 4 - jahrDerAera / 100 + tagDesJahres;
    return aera * 146097 + static_cast<std::int64_t>(tagDerAera);
}

void DatumAusTagen(std::int64_t tage, TDatumTeile& teile) {
    const std::int64_t aera = (tage >= 0 ? tage : tage - 146096) / 146097;
    const auto tagDerAera = static_cast<unsigned>(tage - aera * 146097);
    const unsigned jahrDerAera =
        (tagDerAera - tagDerAera / 1460 + tagDerAera / 36524 - tagDerAera / 146096) / 365;
    const unsigned tagDesJahres = tagDerAera - (365 * jahrDerAera + jahrDerAera / 4 - jahrDerAera / 100);
    const unsigned mp = (5 * tagDesJahres + 2) / 153;
    teile.Tag = static_cast<int>(tagDesJahres - (153 * mp + 2) / 5 + 1);
    teile.Monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    teile.Jahr = static_cast<int>(static_cast<std::int64_t>(jahrDerAera) + aera * 400 + (teile.Monat <= 2));
}

const std::int64_t kNullpunkt = TageAusDatum(1899, 12, 30);

}  // namespace

TDateTime DatumKodieren(const TDatumTeile& teile) {
    const std::int64_t tage =
        TageAusDatum(teile.Jahr, static_cast<unsigned>(teile.Monat), static_cast<unsigned>(teile.Tag)) - kNullpunkt;
    const std::int64_t ms =
        ((static_cast<std::int64_t>(teile.Stunde) * 60 + teile.Minute) * 60 + teile.Sekunde) * 1000 +
        teile.Millisekunde;
    const double bruchteil = static_cast<double>(ms) / kMsProTag;
    // Before the zero date the day counts down while the time of day still counts up:
    // 29 December 1899, 06:00 is -1.25, not -0.75.
    return tage < 0 ? static_cast<double>(tage) - bruchteil : static_cast<double>(tage) + bruchteil;
}

TDatumTeile DatumZerlegen(TDateTime datum) {
    TDatumTeile teile;
    if (!std::isfinite(datum) || std::fabs(datum) > 1e9) return teile;
    std::int64_t tage = static_cast<std::int64_t>(std::trunc(datum));
    std::int64_t ms = std::llround(std::fabs(datum - static_cast<double>(tage)) * kMsProTag);
    if (ms >= kMsProTag) {
        // Rounded up to the next midnight.
        ms -= kMsProTag;
        tage += datum < 0 ? -1 : 1;
    }
    DatumAusTagen(tage + kNullpunkt, teile);
    teile.Millisekunde = static_cast<int>(ms % 1000);
    teile.Sekunde = static_cast<int>(ms / 1000 % 60);
    teile.Minute = static_cast<int>(ms / 60000 % 60);
    teile.Stunde = static_cast<int>(ms / 3600000);
    return teile;
}

TDateTime FatZuDatum(std::int32_t fat) {
    const auto wert = static_cast<std::uint32_t>(fat);
    TDatumTeile teile;
    teile.Jahr = static_cast<int>(wert >> 25) + 1980;
    teile.Monat = static_cast<int>((wert >> 21) & 0x0F);
    teile.Tag = static_cast<int>((wert >> 16) & 0x1F);
    teile.Stunde = static_cast<int>((wert >> 11) & 0x1F);
    teile.Minute = static_cast<int>((wert >> 5) & 0x3F);
    teile.Sekunde = static_cast<int>(wert & 0x1F) * 2;
    teile.Millisekunde = 0;
    return DatumKodieren(teile);
}
