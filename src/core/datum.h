#pragma once
#include <cstdint>

// A local date-time as days since 30 December 1899, 00:00 (the fraction is the time of
// day). Zero is that date; the program shows it for a replay it could not open.
using TDateTime = double;

struct TDatumTeile {
    int Jahr = 1899, Monat = 12, Tag = 30;
    int Stunde = 0, Minute = 0, Sekunde = 0, Millisekunde = 0;
};

TDateTime DatumKodieren(const TDatumTeile& teile);
TDatumTeile DatumZerlegen(TDateTime datum);

// The date-time a 32-bit FAT time stamp encodes (seconds are even). Only for values >= 0.
TDateTime FatZuDatum(std::int32_t fat);
