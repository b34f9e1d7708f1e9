#pragma once

// Test seam: lets a test make the n-th call of a file-system operation fail, the way
// a disk that fills up or a device that fails after N bytes would. The platform files
// ask it before every such operation; nothing outside tests ever plans a failure.
namespace plattform {

enum class Operation {
    Oeffnen,
    Erzeugen,
    Lesen,
    Schreiben,
    Flush,
    Schliessen,
    Kopieren,
    Loeschen,
    Ersetzen,
    FadenStarten,  // a helper thread of the library scan
    Beschreibbar,  // whether a folder takes new files (where config.ini goes)
    CacheSchreiben,  // a file of the user's cache folder (the replay index)
    Anzahl_        // keep last
};

// The n-th call (1-based, counted from now) of op fails; 0 clears the plan for op.
void FehlerEinplanen(Operation op, int nterAufruf);
// Clears every plan and every count.
void FehlerplanLeeren();
// Called by the platform files: counts the call and says whether it must fail.
bool SollFehlschlagen(Operation op);
// True while a failure of a file operation is planned. Work that could run on several
// threads stays on one then, so "the n-th call" keeps its meaning. A planned FadenStarten
// does not count: threads are started by the calling thread alone.
bool FehlerGeplant();

}  // namespace plattform
