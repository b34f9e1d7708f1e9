#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/datum.h"
#include "core/siegbedingungen.h"

class TMeldungen;
namespace plattform {
class Datei;
struct Dateistempel;
}  // namespace plattform

// The part of a path after its last separator, by the platform's rule (plattform::DateiTeil):
// the replay's Dateiname.
std::string DateinameAusPfad(const std::string& pfad);

// Where the reader takes "TRSR" to stand, O + 52, where O = 310 + m starts the options
// block and m is the map key's length, both from the low byte of the map-path length field
// at 228. The replay name's length field follows the marker at + 5.
std::int64_t TrsrStelle(std::uint8_t kartenpfadLaenge);

// A replay's Datum from its file's modification time in the local FAT form: the time it
// encodes, or now when it does not fit (fat < 0).
TDateTime DatumAusFat(std::int32_t fat);

// One player of a replay, made once from the four values read from the file.
class TSpieler {
public:
    TSpieler(std::string name, std::string rasse, std::int32_t team, std::string kennzahl)
        : Name(std::move(name)), Rasse(std::move(rasse)), Team(team), Kennzahl(std::move(kennzahl)) {}

    std::string Name;      // UTF-8, decoded from the stored UTF-16
    std::string Rasse;     // race key as stored, one byte a character, e.g. "space_marine_race"
    std::int32_t Team;     // counted from 0
    std::string Kennzahl;  // decimal text of the byte after the name
};

// The parsed contents of one replay file, built once by the constructor and not changed
// afterwards. It owns its players and its win conditions.
class TReplay {
public:
    // Reads the replay at pfad. A file that cannot be opened gives the message
    // "Fehler beim öffnen der Datei." through meldungen and a replay with only Dateiname
    // set; a read that fails raises Fehler. When stempel is given, it receives the stamp
    // the open found, if the open found one.
    TReplay(const std::string& pfad, TMeldungen& meldungen, std::optional<plattform::Dateistempel>* stempel = nullptr);
    // A replay with only Dateiname set, for the replay index to fill with what it stored.
    explicit TReplay(std::string dateiname) : Dateiname(std::move(dateiname)) {}
    // A file the reader could not read (another edition's layout, or cut off): listed by
    // its name alone, dated by its stamp where one is known.
    static std::unique_ptr<TReplay> NurDateiname(std::string dateiname,
                                                 const std::optional<plattform::Dateistempel>& stempel);
    ~TReplay();
    TReplay(const TReplay&) = delete;
    TReplay& operator=(const TReplay&) = delete;

    // Players live in slots 1 to 8; slots past the players read stay empty.
    const TSpieler* SpielerInSlot(int slot) const {
        return slot >= 1 && static_cast<std::size_t>(slot) <= Spieler.size() ? &Spieler[slot - 1] : nullptr;
    }

    std::string Spielname;
    std::string Dateiname;
    // False for a file that could not be opened or read: only Dateiname (and maybe Datum)
    // is known, and nothing is stored into it.
    bool Lesbar = true;
    std::string Karte;
    std::int32_t Spieleranzahl = 0;
    TDateTime Datum = 0;
    std::uint8_t Option1 = 0, Option2 = 0, Option3 = 0, Option4 = 0,
                 Option5 = 0, Option6 = 0, Option7 = 0, Option8 = 0;
    // Held by value: a big library holds tens of thousands of replays, and one
    // allocation per player and per win-condition set shows in the scan.
    std::optional<TSiegbedingungen> Siegbedingungen;
    std::int32_t NamensLaenge = 0;
    std::int32_t Position = 0;
    // The filled slots in order: slot k is Spieler[k - 1], at most 8 of them. Only as
    // many as were read are held, so a two-player replay does not carry eight.
    std::vector<TSpieler> Spieler;

private:
    class Leser;
    void Einlesen(Leser& leser);
    TDateTime DateiDatum(plattform::Datei& datei);
};
