#include "core/replayindex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

#include "core/replay.h"

namespace {

constexpr unsigned char kMagie[4] = {'Q', 'L', 'R', 'I'};
// 2: the content value. An index of another version is simply made anew.
constexpr std::uint32_t kVersion = 2;
constexpr std::size_t kHoechstensSpieler = 8;
// The smallest entry there is: every text empty, no players.
constexpr std::size_t kKleinsterEintrag = 4 + 36 + 1 + 4 + 4 + 4 + 8 + 1 + 8 + 1;

std::uint64_t Wort(const unsigned char* b, int bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        if (bytes == 8) {  // the checksum's inner loop: one load instead of eight
            std::uint64_t wert;
            std::memcpy(&wert, b, 8);
            return wert;
        }
    }
    std::uint64_t wert = 0;
    for (int i = bytes - 1; i >= 0; --i) wert = wert << 8 | b[i];
    return wert;
}

// Content that is not a whole index: the reader gives up on the first sign of it.
struct Unbrauchbar {};

class Leser {
public:
    Leser(const unsigned char* daten, std::size_t groesse) : daten_(daten), rest_(groesse) {}

    const unsigned char* Bytes(std::size_t anzahl) {
        if (anzahl > rest_) throw Unbrauchbar{};
        const unsigned char* b = daten_;
        daten_ += anzahl;
        rest_ -= anzahl;
        return b;
    }
    std::uint64_t Zahl(int bytes) { return Wort(Bytes(static_cast<std::size_t>(bytes)), bytes); }
    std::int32_t Zahl32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Zahl(4))); }
    std::int64_t Zahl64() { return static_cast<std::int64_t>(Zahl(8)); }
    std::string_view Ansicht() {
        const auto laenge = static_cast<std::size_t>(Zahl(4));
        return {reinterpret_cast<const char*>(Bytes(laenge)), laenge};
    }
    std::string Text() { return std::string(Ansicht()); }
    std::size_t Rest() const { return rest_; }

private:
    const unsigned char* daten_;
    std::size_t rest_;
};

TIndexEintrag EintragLesen(Leser& l) {
    TIndexEintrag e;
    e.Replay = std::make_unique<TReplay>(l.Text());
    e.Stempel.groesse = l.Zahl64();
    e.Stempel.aenderung = l.Zahl64();
    e.Stempel.status = l.Zahl64();
    e.Stempel.knoten = l.Zahl(8);
    e.Stempel.art = static_cast<std::uint32_t>(l.Zahl(4));
    switch (*l.Bytes(1)) {
        case 0: break;
        case 1: {
            const std::uint64_t a = l.Zahl(8);
            e.Inhalt = TInhalt{a, l.Zahl(8)};
            break;
        }
        default: throw Unbrauchbar{};
    }
    TReplay& r = *e.Replay;
    r.Spielname = l.Text();
    r.Karte = l.Text();
    r.Spieleranzahl = l.Zahl32();
    const unsigned char* o = l.Bytes(8);
    std::uint8_t* optionen[] = {&r.Option1, &r.Option2, &r.Option3, &r.Option4,
                                &r.Option5, &r.Option6, &r.Option7, &r.Option8};
    for (int i = 0; i < 8; ++i) *optionen[i] = o[i];
    const std::uint8_t sieg = *l.Bytes(1);
    if (sieg & 0x80) {
        TSiegbedingungen& s = r.Siegbedingungen.emplace();
        bool* flaggen[] = {&s.Vernichtung, &s.SuddenDeath, &s.Attentat, &s.Oeko, &s.Kontrollgebiet, &s.HQ, &s.Erobern};
        for (int i = 0; i < 7; ++i) *flaggen[i] = (sieg >> i) & 1;
    }
    r.NamensLaenge = l.Zahl32();
    r.Position = l.Zahl32();
    const std::size_t spieler = *l.Bytes(1);
    if (spieler > kHoechstensSpieler) throw Unbrauchbar{};
    r.Spieler.reserve(spieler);
    for (std::size_t i = 0; i < spieler; ++i) {
        std::string name = l.Text();
        std::string rasse = l.Text();
        const std::int32_t team = l.Zahl32();
        r.Spieler.emplace_back(std::move(name), std::move(rasse), team, l.Text());
    }
    return e;
}

}  // namespace

std::uint64_t IndexPruefsumme(const unsigned char* daten, std::size_t groesse) {
    // Word by word, each step a bijection of the running value, so any change of a single
    // word, and so of any single byte, changes the result.
    constexpr std::uint64_t k1 = 0x9E3779B97F4A7C15ull, k2 = 0xC2B2AE3D27D4EB4Full;
    std::uint64_t h = 0x51ED270B27D4EB4Full ^ (static_cast<std::uint64_t>(groesse) * k2);
    std::size_t i = 0;
    for (; i + 8 <= groesse; i += 8) {
        h ^= Wort(daten + i, 8) * k1;
        h = (h << 31 | h >> 33) * k2;
    }
    if (i < groesse) {
        h ^= Wort(daten + i, static_cast<int>(groesse - i)) * k1;
        h = (h << 31 | h >> 33) * k2;
    }
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return h;
}

namespace {
std::string CacheDatei(const std::string& indexVerzeichnis, const char* art, const std::string& verzeichnis) {
    std::uint64_t h = 0xCBF29CE484222325ull;  // FNV-1a
    for (unsigned char c : verzeichnis) h = (h ^ c) * 0x100000001B3ull;
    char hex[17];
    for (int i = 15; i >= 0; --i, h >>= 4) hex[i] = "0123456789abcdef"[h & 15];
    hex[16] = '\0';
    return indexVerzeichnis + art + "-" + hex + ".idx";
}
}  // namespace

std::string IndexDatei(const std::string& indexVerzeichnis, const std::string& verzeichnis) {
    return CacheDatei(indexVerzeichnis, "replays", verzeichnis);
}

std::string GeloeschtDatei(const std::string& indexVerzeichnis, const std::string& verzeichnis) {
    return CacheDatei(indexVerzeichnis, "geloescht", verzeichnis);
}

std::string VerworfenDatei(const std::string& indexDatei) { return indexDatei + ".verworfen"; }

std::vector<unsigned char> VerworfenEintrag(const std::string& dateiname) {
    std::vector<unsigned char> b(4 + dateiname.size());
    for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(i)] = static_cast<unsigned char>(dateiname.size() >> (8 * i));
    std::memcpy(b.data() + 4, dateiname.data(), dateiname.size());
    return b;
}

std::vector<std::string> VerworfenLesen(const unsigned char* daten, std::size_t groesse) {
    std::vector<std::string> namen;
    Leser l(daten, groesse);
    try {
        while (l.Rest() > 0) namen.emplace_back(l.Ansicht());
    } catch (const Unbrauchbar&) {
    }
    return namen;
}

std::vector<TIndexEintrag> IndexLesen(const unsigned char* daten, std::size_t groesse, const std::string& verzeichnis) {
    if (groesse < sizeof kMagie + 8 || std::memcmp(daten, kMagie, sizeof kMagie) != 0) return {};
    const std::size_t inhalt = groesse - 8;
    if (IndexPruefsumme(daten, inhalt) != Wort(daten + inhalt, 8)) return {};
    std::vector<TIndexEintrag> eintraege;
    try {
        Leser l(daten + sizeof kMagie, inhalt - sizeof kMagie);
        if (l.Zahl(4) != kVersion || l.Ansicht() != verzeichnis) return {};
        const auto anzahl = static_cast<std::size_t>(l.Zahl(4));
        if (anzahl > l.Rest() / kKleinsterEintrag) return {};
        eintraege.reserve(anzahl);
        for (std::size_t i = 0; i < anzahl; ++i) eintraege.push_back(EintragLesen(l));
        if (l.Rest() != 0) return {};
    } catch (const Unbrauchbar&) {
        return {};
    }
    return eintraege;
}

TIndexSchreiber::TIndexSchreiber(const std::string& verzeichnis, std::size_t erwarteteEintraege) {
    // A typical entry with its players takes about 200 bytes.
    puffer_.resize(64 + verzeichnis.size() + erwarteteEintraege * 256);
    Bytes(kMagie, sizeof kMagie);
    Zahl(kVersion, 4);
    Text(verzeichnis);
    anzahlStelle_ = laenge_;
    Zahl(0, 4);
}

TIndexSchreiber TIndexSchreiber::NurEintraege() { return TIndexSchreiber(); }

void TIndexSchreiber::Uebernehmen(const TIndexSchreiber& andere, std::size_t von, std::size_t bis) {
    if (von > bis || bis > andere.laenge_) return;
    Bytes(andere.puffer_.data() + von, bis - von);
    ++anzahl_;
}

// Growing is rare (the buffer starts at a typical entry's size times their count), so it
// stays out of the small writers below, which the compiler then inlines.
void TIndexSchreiber::Wachsen(std::size_t anzahl) { puffer_.resize(std::max(2 * puffer_.size(), laenge_ + anzahl)); }

void TIndexSchreiber::Bytes(const void* daten, std::size_t anzahl) {
    if (puffer_.size() - laenge_ < anzahl) Wachsen(anzahl);
    if (anzahl > 0) std::memcpy(puffer_.data() + laenge_, daten, anzahl);
    laenge_ += anzahl;
}

void TIndexSchreiber::Zahl(std::uint64_t wert, int bytes) {
    if (puffer_.size() - laenge_ < 8) Wachsen(8);
    unsigned char* b = puffer_.data() + laenge_;
    // Little-endian: all eight bytes in one store, of which the first `bytes` count; the
    // rest is overwritten by what comes next or cut off in Fertig.
    if constexpr (std::endian::native == std::endian::little) std::memcpy(b, &wert, 8);
    else
        for (int i = 0; i < bytes; ++i, wert >>= 8) b[i] = static_cast<unsigned char>(wert);
    laenge_ += static_cast<std::size_t>(bytes);
}

void TIndexSchreiber::Text(const std::string& text) {
    Zahl(text.size(), 4);
    Bytes(text.data(), text.size());
}

void TIndexSchreiber::Eintrag(const plattform::Dateistempel& stempel, const TReplay& r,
                              const std::optional<TInhalt>& inhalt) {
    Text(r.Dateiname);
    Zahl(static_cast<std::uint64_t>(stempel.groesse), 8);
    Zahl(static_cast<std::uint64_t>(stempel.aenderung), 8);
    Zahl(static_cast<std::uint64_t>(stempel.status), 8);
    Zahl(stempel.knoten, 8);
    Zahl(stempel.art, 4);
    const unsigned char bekannt = inhalt ? 1 : 0;
    Bytes(&bekannt, 1);
    if (inhalt) {
        Zahl(inhalt->a, 8);
        Zahl(inhalt->b, 8);
    }
    Text(r.Spielname);
    Text(r.Karte);
    Zahl(static_cast<std::uint32_t>(r.Spieleranzahl), 4);
    const std::uint8_t optionen[] = {r.Option1, r.Option2, r.Option3, r.Option4,
                                     r.Option5, r.Option6, r.Option7, r.Option8};
    Bytes(optionen, sizeof optionen);
    std::uint8_t sieg = 0;
    if (const auto& s = r.Siegbedingungen) {
        const bool flaggen[] = {s->Vernichtung, s->SuddenDeath, s->Attentat, s->Oeko, s->Kontrollgebiet, s->HQ, s->Erobern};
        sieg = 0x80;
        for (int i = 0; i < 7; ++i) sieg |= static_cast<std::uint8_t>(flaggen[i] ? 1u << i : 0u);
    }
    Bytes(&sieg, 1);
    Zahl(static_cast<std::uint32_t>(r.NamensLaenge), 4);
    Zahl(static_cast<std::uint32_t>(r.Position), 4);
    const auto spieler = static_cast<unsigned char>(r.Spieler.size());
    Bytes(&spieler, 1);
    for (const TSpieler& s : r.Spieler) {
        Text(s.Name);
        Text(s.Rasse);
        Zahl(static_cast<std::uint32_t>(s.Team), 4);
        Text(s.Kennzahl);
    }
    ++anzahl_;
}

std::vector<unsigned char> TIndexSchreiber::Fertig() && {
    for (int i = 0; i < 4; ++i) puffer_[anzahlStelle_ + static_cast<std::size_t>(i)] = static_cast<unsigned char>(anzahl_ >> (8 * i));
    const std::uint64_t summe = IndexPruefsumme(puffer_.data(), laenge_);
    Zahl(summe, 8);
    puffer_.resize(laenge_);
    return std::move(puffer_);
}
