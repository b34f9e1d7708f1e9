#pragma once
#include <string>

#include "core/meldungen.h"
#include <vector>

// Sets a file's modification time to the given local date-time.
void AenderungszeitSetzen(const std::string& pfad, int jahr, int monat, int tag, int stunde, int minute,
                          int sekunde);
// Makes a file read-only (POSIX: no write bits; Windows: the read-only attribute), or writable again.
void SchreibschutzSetzen(const std::string& pfad, bool schreibgeschuetzt);

// Records the core's notices in order.
class TAufgezeichneteMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart art) override { Arten.push_back(art); }
    std::vector<TMeldungsart> Arten;
};
