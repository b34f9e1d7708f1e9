#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Builds replay files in memory that follow the layout the reader and the rename rely on,
// made to look like the game's files: a fixed head holding the "FOLDINFO" and "DATABASE"
// chunk headers, the map path "DATA:Scenarios\MP\<key>", seven option entries ending in
// "TRSR", the UTF-16 replay name, the win-condition list, one entry per player opening
// with "FOLDGPLY" and "DATAINFO" chunk headers, and a tail. Every length field can be
// overridden to build damaged or extreme files.
struct SpielerBau {
    std::u16string Name = u"Spieler";
    std::string Rasse = "space_marine_race";
    std::uint32_t Team = 0;
    std::uint32_t Kennzahl = 0;
    std::optional<std::uint32_t> NamensLaengeFeld;  // default: Name.size()
    std::optional<std::uint32_t> RassenLaengeFeld;  // default: Rasse.size()
    // Bytes of filler between the previous player's race key and this player's
    // "FOLDGPLY" (ignored for the first player).
    std::size_t LueckeDavor = 0;
    bool OhneFoldgply = false;  // leave the marker out (the entry starts with filler)
};

// Where things landed in the built file.
struct ReplayLage {
    std::size_t F = 0, D = 0, T = 0;  // "FOLDINFO", "DATABASE", "TRSR"
    std::size_t O = 0;                // start of the option entries
    std::size_t NamePos = 0;          // first byte of the replay name
    std::size_t E = 0;                // first player's anchor
    std::vector<std::size_t> Anker;   // each player's anchor
    std::size_t Groesse = 0;
};

class ReplayBauer {
public:
    std::u16string Name = u"Testspiel";
    std::optional<std::uint32_t> NamensLaengeFeld;  // default: Name.size()
    std::string KartenSchluessel = "2P_BATTLE_MARSHES";
    // The whole stored map path; default "DATA:Scenarios\MP\" + KartenSchluessel.
    std::optional<std::string> KartenPfad;
    std::optional<std::uint32_t> KartenPfadLaengeFeld;  // default: path length
    std::array<std::uint8_t, 8> Optionen{1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<std::uint32_t> Siegbedingungen{0xF6999082};
    std::optional<std::uint32_t> SiegbedingungenAnzahlFeld;
    std::vector<SpielerBau> Spieler{SpielerBau{}};
    std::optional<std::uint32_t> SpieleranzahlFeld;  // default: Spieler.size()
    std::size_t Schwanz = 64;                        // opaque bytes after the last race key
    std::optional<std::size_t> ZielGroesse;          // pad the tail up to this size
    std::optional<std::size_t> AbschneidenAuf;       // truncate the finished file

    // Where the two chunk headers go: both in the head (the default, "FOLDINFO" first),
    // swapped, or "DATABASE" in the tail after the players.
    enum class Chunks { InfoVorDatabase, DatabaseVorInfo, DatabaseImSchwanz, OhneInfo, OhneDatabase };
    Chunks ChunkLage = Chunks::InfoVorDatabase;
    bool OhneTrsr = false;

    std::vector<unsigned char> Bauen(ReplayLage* lage = nullptr) const;
    // Writes the file; returns its layout. Raises std::runtime_error when it cannot write.
    ReplayLage Schreiben(const std::string& pfad) const;
};

// Reads a whole file (for comparisons in tests); empty when it cannot be read.
std::vector<unsigned char> DateiLesen(const std::string& pfad);
void DateiSchreiben(const std::string& pfad, const std::vector<unsigned char>& inhalt);
// A tiny deterministic generator for varied test data.
std::uint32_t Zufall(std::uint32_t& zustand);
