#pragma once
#include <cstdint>

namespace plattform {

// Packs a local date-time into the 32-bit FAT form: year - 1980 in bits 25..31, month
// 21..24, day 16..20, hour 11..15, minute 5..10, seconds / 2 in 0..4 (odd seconds are
// dropped). -1 outside the FAT years 1980..2107. From 2044 on the year sets the top
// bit, so such dates come out negative too; callers treat every negative value alike.
std::int32_t FatAusTeilen(int jahr, int monat, int tag, int stunde, int minute, int sekunde);

}  // namespace plattform

#include <ctime>

namespace plattform {

// A time stamp in seconds since 1970 (UTC), taken to local time and packed as above.
std::int32_t FatAusZeit(std::time_t zeit);

}  // namespace plattform
