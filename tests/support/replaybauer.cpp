#include "support/replaybauer.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "support/tempverzeichnis.h"

namespace {
constexpr std::size_t kChunkKopf = 20;  // tag (8), version (4), size (4), name length (4)

void Wort32(std::vector<unsigned char>& b, std::size_t stelle, std::uint32_t wert) {
    if (b.size() < stelle + 4) b.resize(stelle + 4);
    for (int i = 0; i < 4; ++i) b[stelle + i] = static_cast<unsigned char>(wert >> (8 * i));
}
void Anhaengen32(std::vector<unsigned char>& b, std::uint32_t wert) { Wort32(b, b.size(), wert); }
void Anhaengen(std::vector<unsigned char>& b, const std::string& text) { b.insert(b.end(), text.begin(), text.end()); }
void AnhaengenUtf16(std::vector<unsigned char>& b, const std::u16string& text) {
    for (char16_t c : text) {
        b.push_back(static_cast<unsigned char>(c & 0xFF));
        b.push_back(static_cast<unsigned char>(c >> 8));
    }
}
void ChunkKopf(std::vector<unsigned char>& b, std::size_t stelle, const std::string& tag) {
    if (b.size() < stelle + kChunkKopf) b.resize(stelle + kChunkKopf);
    std::memcpy(b.data() + stelle, tag.data(), 8);
    Wort32(b, stelle + 8, 1);   // version
    Wort32(b, stelle + 12, 0);  // size, patched once the file is complete
    Wort32(b, stelle + 16, 0);  // no chunk name
}
}  // namespace

std::vector<unsigned char> ReplayBauer::Bauen(ReplayLage* lageAus) const {
    ReplayLage lage;
    std::vector<unsigned char> b(194, 0);
    // Fixed head: a little of the real thing's look, and the two chunk headers whose
    // sizes span the replay name.
    const std::string kopfText = "QARCHTEST";
    std::memcpy(b.data(), kopfText.data(), kopfText.size());
    bool mitInfo = ChunkLage != Chunks::OhneInfo;
    bool databaseImKopf = ChunkLage == Chunks::InfoVorDatabase || ChunkLage == Chunks::DatabaseVorInfo ||
                          ChunkLage == Chunks::OhneInfo;
    std::size_t ersterKopf = 120, zweiterKopf = 150;
    if (ChunkLage == Chunks::DatabaseVorInfo) std::swap(ersterKopf, zweiterKopf);
    if (mitInfo) {
        lage.F = ersterKopf;
        ChunkKopf(b, lage.F, "FOLDINFO");
    }
    if (databaseImKopf) {
        lage.D = zweiterKopf;
        ChunkKopf(b, lage.D, "DATABASE");
    }

    Wort32(b, 194, SpieleranzahlFeld.value_or(static_cast<std::uint32_t>(Spieler.size())));
    b.resize(228, 0);
    std::string pfad = KartenPfad.value_or("DATA:Scenarios\\MP\\" + KartenSchluessel);
    std::uint32_t pfadFeld = KartenPfadLaengeFeld.value_or(static_cast<std::uint32_t>(pfad.size()));
    Wort32(b, 228, pfadFeld);
    // The reader takes the map key as (L - 18) mod 256 bytes at 250, so the block after the
    // path starts where that rule puts it, whatever the path really holds.
    std::size_t m = static_cast<std::uint8_t>(static_cast<std::uint8_t>(pfadFeld) - 18);
    std::size_t endeKarte = 250 + m;
    Anhaengen(b, pfad.substr(0, endeKarte - 232));
    b.resize(endeKarte + 60, 0);

    lage.O = b.size();
    const char* schluessel[] = {"OPTA", "OPTB", "OPTC", "OPTD", "OPTE", "OPTF"};
    for (int k = 0; k < 7; ++k) {
        b.push_back(Optionen[k]);
        b.insert(b.end(), 3, 0);
        Anhaengen(b, k < 6 ? schluessel[k] : (OhneTrsr ? "TRSX" : "TRSR"));
    }
    lage.T = lage.O + 52;
    b.push_back(Optionen[7]);
    Anhaengen32(b, NamensLaengeFeld.value_or(static_cast<std::uint32_t>(Name.size())));
    lage.NamePos = b.size();
    AnhaengenUtf16(b, Name);
    Anhaengen32(b, 0x00010000);  // opaque
    Anhaengen32(b, SiegbedingungenAnzahlFeld.value_or(static_cast<std::uint32_t>(Siegbedingungen.size())));
    for (auto kennung : Siegbedingungen) Anhaengen32(b, kennung);
    lage.E = b.size();

    for (std::size_t i = 0; i < Spieler.size(); ++i) {
        const SpielerBau& s = Spieler[i];
        if (i > 0) b.insert(b.end(), s.LueckeDavor, 0x20);
        lage.Anker.push_back(b.size());
        std::size_t anker = b.size();
        ChunkKopf(b, anker, s.OhneFoldgply ? "FOLDXXXX" : "FOLDGPLY");
        ChunkKopf(b, anker + kChunkKopf, "DATAINFO");
        Anhaengen32(b, s.NamensLaengeFeld.value_or(static_cast<std::uint32_t>(s.Name.size())));
        AnhaengenUtf16(b, s.Name);
        Anhaengen32(b, s.Kennzahl);
        Anhaengen32(b, s.Team);
        Anhaengen32(b, s.RassenLaengeFeld.value_or(static_cast<std::uint32_t>(s.Rasse.size())));
        Anhaengen(b, s.Rasse);
        Wort32(b, anker + 12, static_cast<std::uint32_t>(b.size() - anker - kChunkKopf));
    }

    b.insert(b.end(), Schwanz, 0);
    if (ChunkLage == Chunks::DatabaseImSchwanz) {
        lage.D = b.size();
        ChunkKopf(b, lage.D, "DATABASE");
        b.insert(b.end(), 16, 0);
    }
    if (ZielGroesse && b.size() < *ZielGroesse) b.resize(*ZielGroesse, 0);

    if (mitInfo) Wort32(b, lage.F + 12, static_cast<std::uint32_t>(b.size() - lage.F - kChunkKopf));
    if (ChunkLage != Chunks::OhneDatabase)
        Wort32(b, lage.D + 12, static_cast<std::uint32_t>(b.size() - lage.D - kChunkKopf));
    if (ChunkLage == Chunks::OhneDatabase) std::memcpy(b.data() + zweiterKopf, "DATABASX", 8);
    if (AbschneidenAuf && *AbschneidenAuf < b.size()) b.resize(*AbschneidenAuf);

    lage.Groesse = b.size();
    if (lageAus) *lageAus = lage;
    return b;
}

ReplayLage ReplayBauer::Schreiben(const std::string& pfad) const {
    ReplayLage lage;
    DateiSchreiben(pfad, Bauen(&lage));
    return lage;
}

std::vector<unsigned char> DateiLesen(const std::string& pfad) {
    std::ifstream ein(FsPfad(pfad), std::ios::binary);
    if (!ein) return {};
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void DateiSchreiben(const std::string& pfad, const std::vector<unsigned char>& inhalt) {
    std::ofstream aus(FsPfad(pfad), std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
    if (!aus) throw std::runtime_error("cannot write " + pfad);
}

std::uint32_t Zufall(std::uint32_t& zustand) {
    zustand = zustand * 1664525u + 1013904223u;
    return zustand >> 8;
}
