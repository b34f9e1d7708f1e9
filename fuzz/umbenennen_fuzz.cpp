// Feeds arbitrary files, name lengths, new names and failing platform steps to the rename
// rewrite. It must never crash, never leave a temporary file or lose the replay, and never
// write a file that the rewrite's checks should have refused: a changed file is compared
// against a rename worked out here on its own terms, and whenever a rename succeeds the
// reader reads the new name from the result.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/fehler.h"
#include "core/meldungen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/tempdatei.h"
#include "core/replay.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "support/replaybauer.h"

namespace {
using Bytes = std::vector<unsigned char>;

class TZaehlendeMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override { ++anzahl; }
    int anzahl = 0;
};

const std::string& Ordner() {
    static const std::string ordner = [] {
        std::string o = "/tmp/quellarch_umbenennen_fuzz_" + std::to_string(getpid()) + "/";
        ::mkdir(o.c_str(), 0700);
        return o;
    }();
    return ordner;
}

bool Existiert(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0;
}

void Pruefen(bool bedingung, const char* was) {
    if (bedingung) return;
    std::fprintf(stderr, "violated: %s\n", was);
    std::abort();
}

std::int64_t Finden(const Bytes& b, const char* marke) {
    const std::size_t l = std::strlen(marke);
    auto it = std::search(b.begin(), b.end(), marke, marke + l);
    return it == b.end() ? -1 : it - b.begin();
}

std::uint32_t Wort(const Bytes& b, std::size_t i) {
    return b[i] | b[i + 1] << 8 | b[i + 2] << 16 | static_cast<std::uint32_t>(b[i + 3]) << 24;
}

// The new file must be the old one with both sizes moved by 2n - L and the name swapped,
// and the old one must have passed every check the rewrite promises to make.
void GeaendertePruefen(const Bytes& alt, const Bytes& neu, std::int32_t L, const std::u16string& name) {
    const std::int64_t S = static_cast<std::int64_t>(alt.size()), n = static_cast<std::int64_t>(name.size());
    Pruefen(L >= 0 && L % 2 == 0 && n >= 1 && n <= 25, "lengths in range");
    const std::int64_t F = Finden(alt, "FOLDINFO"), D = Finden(alt, "DATABASE"), T = Finden(alt, "TRSR");
    Pruefen(F >= 0 && D >= 0 && T >= 0, "all three markers in the old file");
    Pruefen(S > 228 && T == TrsrStelle(alt[228]), "the first TRSR is the one the reader's name follows");
    Pruefen(F + 16 <= S && D + 16 <= S && T + 9 + L <= S, "all fields inside the old file");
    Pruefen(Wort(alt, T + 5) == static_cast<std::uint32_t>(L / 2), "length field held L / 2");
    Pruefen(static_cast<std::int64_t>(neu.size()) == S - L + 2 * n, "new size S - L + 2n");

    const std::int64_t d = 2 * n - L;
    auto verschoben = [&](std::int64_t p) { return p < T + 5 ? p : p + d; };
    Pruefen(Finden(neu, "FOLDINFO") == verschoben(F) && Finden(neu, "DATABASE") == verschoben(D) &&
                Finden(neu, "TRSR") == T,
            "markers of the new file where the old ones were");
    Pruefen(Wort(neu, T + 5) == static_cast<std::uint32_t>(n), "new length field");
    for (std::int64_t i = 0; i < n; ++i)
        Pruefen(neu[T + 9 + 2 * i] == (name[i] & 0xFF) && neu[T + 10 + 2 * i] == (name[i] >> 8), "new name");
    const std::uint32_t differenz = static_cast<std::uint32_t>(d);
    Pruefen(Wort(neu, verschoben(F) + 12) == Wort(alt, F + 12) + differenz, "FOLDINFO size moved by 2n - L");
    Pruefen(Wort(neu, verschoben(D) + 12) == Wort(alt, D + 12) + differenz, "DATABASE size moved by 2n - L");
    auto istFeld = [&](std::int64_t p) { return (p >= F + 12 && p < F + 16) || (p >= D + 12 && p < D + 16); };
    for (std::int64_t p = 0; p < S; ++p) {
        if (istFeld(p) || (p >= T + 5 && p < T + 9 + L)) continue;
        Pruefen(neu[verschoben(p)] == alt[p], "every other byte carried over");
    }
}

const plattform::Operation kFehlerStellen[] = {
    plattform::Operation::Oeffnen,  plattform::Operation::Lesen,   plattform::Operation::Erzeugen,
    plattform::Operation::Schreiben, plattform::Operation::Flush, plattform::Operation::Schliessen,
    plattform::Operation::Ersetzen, plattform::Operation::OhneErsetzenUmbenennen,
};
}  // namespace

// The property the rewrite exists for: the reader takes the result for the replay under
// its new name.
void NeuenNamenPruefen(const std::string& pfad, const std::u16string& name) {
    TZaehlendeMeldungen meldungen;
    try {
        TReplay neu(pfad, meldungen);
        Pruefen(meldungen.anzahl == 0, "the renamed replay opens");
        Pruefen(neu.Spielname == Utf8AusUtf16(name), "the reader reads the new name");
        Pruefen(neu.NamensLaenge == static_cast<std::int32_t>(2 * name.size()), "the reader reads the new length");
    } catch (const Fehler&) {
        Pruefen(false, "the renamed replay reads");
    }
}

// Input: the file, then a trailer read from the end: 2k bytes name, 1 byte name length k,
// 1 byte fault choice, 4 bytes NamensLaenge. A seed replay thus stays a replay that reads,
// its zero tail the trailer, and one changed byte gives it a name to take. The replay
// handed to the rename is the file as the scan reads it; with bit 5 of the fault choice,
// or when the file does not read, its name length is the input's instead, as from a
// stale list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 6) return 0;
    const std::uint8_t* ende = daten + groesse;
    std::int32_t namensLaenge;
    std::memcpy(&namensLaenge, ende - 4, 4);
    const std::uint8_t fehlerWahl = ende[-5];
    const std::size_t k = ende[-6] % 32;
    if (groesse < 6 + 2 * k) return 0;
    const std::uint8_t* roh = ende - 6 - 2 * k;
    std::u16string name;
    for (std::size_t i = 0; i < k; ++i) name.push_back(static_cast<char16_t>(roh[2 * i] | roh[2 * i + 1] << 8));
    const Bytes alt(daten, roh);

    ReplayVerzeichnis = Ordner();
    // Registered after the folder's name exists, so it runs before that name is destroyed.
    static const bool aufraeumen = [] {
        std::atexit([] {
            std::remove((Ordner() + "spiel.rec").c_str());
            ::rmdir(Ordner().c_str());
        });
        return true;
    }();
    (void)aufraeumen;
    const std::string pfad = Ordner() + "spiel.rec";
    std::remove(pfad.c_str());
    TZaehlendeMeldungen meldungen;
    plattform::FehlerplanLeeren();
    std::unique_ptr<TReplay> gelesen;
    DateiSchreiben(pfad, alt);
    try {
        gelesen = std::make_unique<TReplay>(pfad, meldungen);
    } catch (const Fehler&) {
        // The only way to a replay without parsing a file: one that fails to open gives a
        // replay holding just its Dateiname.
        std::remove(pfad.c_str());
        gelesen = std::make_unique<TReplay>(pfad, meldungen);
        DateiSchreiben(pfad, alt);
        gelesen->NamensLaenge = namensLaenge;
    }
    TReplay& replay = *gelesen;
    if (fehlerWahl & 0x20) replay.NamensLaenge = namensLaenge;
    namensLaenge = replay.NamensLaenge;
    meldungen.anzahl = 0;

    plattform::FehlerplanLeeren();
    // 0 plans nothing, so a seed's zero trailer renames without a failure.
    const std::size_t stelle = fehlerWahl % 16;
    if (stelle >= 1 && stelle <= std::size(kFehlerStellen))
        plattform::FehlerEinplanen(kFehlerStellen[stelle - 1], 1 + fehlerWahl / 16 % 2);

    bool fehler = false;
    try {
        ReplayUmbenennen(replay, name, meldungen);
    } catch (const Fehler&) {
        fehler = true;
    }
    plattform::FehlerplanLeeren();

    Pruefen(Existiert(pfad), "the replay still exists");
    for (const std::string& name : plattform::Aufzaehlen(Ordner() + "*"))
        Pruefen(!plattform::IstTempName(name), "no temporary file left");
    const Bytes neu = DateiLesen(pfad);
    const bool erfolg = !fehler && meldungen.anzahl == 0;
    if (neu != alt || erfolg) GeaendertePruefen(alt, neu, namensLaenge, name);
    if (erfolg) NeuenNamenPruefen(pfad, name);
    if (fehler || meldungen.anzahl > 0) Pruefen(neu == alt, "a failure leaves the old content");
    if (name.empty() || name.size() > 25) Pruefen(fehler, "a name outside 1..25 is refused");
    return 0;
}
