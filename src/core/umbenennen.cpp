#include "core/umbenennen.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "core/fehler.h"
#include "core/markensuche.h"
#include "core/meldungen.h"
#include "core/platform/datei.h"
#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/ersetzen.h"
#include "core/replay.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"

namespace {

constexpr std::size_t kHoechsteNamenslaenge = 25;
// Replays are a few hundred kilobytes; anything this large is not one, and the rewrite
// holds the file twice in memory.
constexpr std::int64_t kHoechsteDateigroesse = 256LL * 1024 * 1024;
const char* const kTempName = "NeuerName.tmp";

std::uint32_t Lies32(const std::vector<unsigned char>& b, std::size_t stelle) {
    return static_cast<std::uint32_t>(b[stelle]) | static_cast<std::uint32_t>(b[stelle + 1]) << 8 |
           static_cast<std::uint32_t>(b[stelle + 2]) << 16 | static_cast<std::uint32_t>(b[stelle + 3]) << 24;
}

void Schreib32(std::vector<unsigned char>& b, std::size_t stelle, std::uint32_t wert) {
    for (int i = 0; i < 4; ++i) b[stelle + i] = static_cast<unsigned char>(wert >> (8 * i));
}

std::int64_t Suchen(const char* marke, const std::vector<unsigned char>& b) {
    return MarkeInPufferSuchen(marke, b.data(), b.size());
}

// Half-open byte ranges [a, a + al) and [b, b + bl).
bool Ueberlappen(std::int64_t a, std::int64_t al, std::int64_t b, std::int64_t bl) {
    return a < b + bl && b < a + al;
}

struct TMarken {
    std::int64_t F, D, T;
};

TMarken MarkenSuchen(const std::vector<unsigned char>& b) {
    return {Suchen("FOLDINFO", b), Suchen("DATABASE", b), Suchen("TRSR", b)};
}

bool IstTempName(const std::string& dateiname) {
    const std::string temp = kTempName;
    if (dateiname.size() != temp.size()) return false;
    for (std::size_t i = 0; i < temp.size(); ++i) {
        auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (klein(dateiname[i]) != klein(temp[i])) return false;
    }
    return true;
}

// Removes "NeuerName.tmp" when the rewrite stops before the replace, unless the replay
// itself has gone missing meanwhile: then the temporary file may be the only copy left.
class TTempAufraeumer {
public:
    TTempAufraeumer(std::string temp, std::string replay) : temp_(std::move(temp)), replay_(std::move(replay)) {}
    ~TTempAufraeumer() {
        if (angelegt_ && plattform::DateiExistiert(replay_)) plattform::Loeschen(temp_);
    }
    TTempAufraeumer(const TTempAufraeumer&) = delete;
    TTempAufraeumer& operator=(const TTempAufraeumer&) = delete;
    void Angelegt() { angelegt_ = true; }
    void Erledigt() { angelegt_ = false; }

private:
    std::string temp_, replay_;
    bool angelegt_ = false;
};

void Melden(TMeldungen& meldungen, const char* text) { meldungen.Meldung(text); }

class TZaehlendeMeldungen : public TMeldungen {
public:
    void Meldung(const std::string&) override { ++anzahl; }
    int anzahl = 0;
};

bool GleicheSpieler(const TSpieler& a, const TSpieler& b) {
    return a.Name == b.Name && a.Rasse == b.Rasse && a.Team == b.Team && a.Kennzahl == b.Kennzahl;
}

// Whether the reader takes the written file for the old replay under its new name: the
// name, and the same map, options, players, teams, races and win conditions. This holds
// whatever the rewrite and the reader come to disagree on in the future.
bool GibtUmbenanntesReplay(const std::string& pfad, const TReplay& alt, const std::u16string& neuerName) {
    TZaehlendeMeldungen meldungen;
    std::unique_ptr<TReplay> neu;
    // The one catch beside the three places: a file that the reader cannot read back, or a
    // read that fails, answers "no" here, and the rename is refused like any other file it
    // cannot vouch for; the replay is untouched either way.
    try {
        neu = std::make_unique<TReplay>(pfad, meldungen);
    } catch (const Fehler&) {
        return false;
    }
    if (meldungen.anzahl > 0) return false;
    const auto optionen = [](const TReplay& r) {
        return std::array{r.Option1, r.Option2, r.Option3, r.Option4, r.Option5, r.Option6, r.Option7, r.Option8};
    };
    // The name is compared as the reader decodes it, so a name the reader shows with
    // U+FFFD compares as the reader would show the typed one; its units and their count
    // are held exactly by the length check and by the rewrite itself.
    return neu->Spielname == Utf8AusUtf16(neuerName) &&
           neu->NamensLaenge == static_cast<std::int32_t>(2 * neuerName.size()) && neu->Karte == alt.Karte &&
           neu->Spieleranzahl == alt.Spieleranzahl && optionen(*neu) == optionen(alt) &&
           neu->Siegbedingungen && alt.Siegbedingungen &&
           *neu->Siegbedingungen == *alt.Siegbedingungen &&
           std::equal(neu->Spieler.begin(), neu->Spieler.end(), alt.Spieler.begin(), alt.Spieler.end(),
                      GleicheSpieler);
}

void FormatAblehnen(TMeldungen& meldungen) {
    Melden(meldungen, "Die Datei hat ein unerwartetes Format und wurde nicht geändert.");
}

}  // namespace

bool NeuerNameGueltig(const std::string& text) {
    const std::size_t einheiten = Utf16Einheiten(text);
    return einheiten >= 1 && einheiten <= kHoechsteNamenslaenge;
}

std::optional<std::vector<unsigned char>> UmbenanntenInhaltBauen(std::vector<unsigned char> alt,
                                                                 std::int32_t namensLaenge,
                                                                 const std::u16string& neuerName) {
    const std::int64_t S = static_cast<std::int64_t>(alt.size());
    const std::int64_t L = namensLaenge;
    const std::int64_t n = static_cast<std::int64_t>(neuerName.size());
    if (L < 0 || L % 2 != 0 || n < 1 || n > static_cast<std::int64_t>(kHoechsteNamenslaenge)) return std::nullopt;
    if (S > kHoechsteDateigroesse) return std::nullopt;

    const TMarken m = MarkenSuchen(alt);
    if (m.F < 0 || m.D < 0 || m.T < 0) return std::nullopt;
    // The name is rewritten where the reader finds it. A stray "TRSR" in front of the
    // reader's one would put the new name where nothing reads it and shift everything
    // after it, also when a byte and the old count happen to follow it.
    if (S <= 228 || m.T != TrsrStelle(alt[228])) return std::nullopt;
    if (m.F + 16 > S || m.D + 16 > S || m.T + 9 + L > S) return std::nullopt;
    // The reader takes only the low byte of the length field, but the game reads all four:
    // a name of 256 characters or more would leave its tail behind the new name, so the
    // whole field must match what the scan saw. A mismatch also means the list was stale.
    if (Lies32(alt, static_cast<std::size_t>(m.T + 5)) != static_cast<std::uint32_t>(L / 2)) return std::nullopt;
    // A chunk header inside the stretch that is cut out and rebuilt would lose its patch
    // or damage the marker and length field.
    const std::int64_t schnitt = m.T, schnittLaenge = 9 + L;
    if (Ueberlappen(m.F, 16, schnitt, schnittLaenge) || Ueberlappen(m.D, 16, schnitt, schnittLaenge))
        return std::nullopt;

    // Both sizes count a stretch holding the name; they wrap at 32 bits like the game's.
    const std::uint32_t differenz = static_cast<std::uint32_t>(2 * n) - static_cast<std::uint32_t>(L);
    const auto F = static_cast<std::size_t>(m.F), D = static_cast<std::size_t>(m.D), T = static_cast<std::size_t>(m.T);
    Schreib32(alt, F + 12, Lies32(alt, F + 12) + differenz);
    Schreib32(alt, D + 12, Lies32(alt, D + 12) + differenz);
    // A patch that lands on another marker would make the next rename patch elsewhere.
    const TMarken gepatcht = MarkenSuchen(alt);
    if (gepatcht.F != m.F || gepatcht.D != m.D || gepatcht.T != m.T) return std::nullopt;

    const auto altL = static_cast<std::size_t>(L), neuL = static_cast<std::size_t>(2 * n);
    std::vector<unsigned char> neu(alt.size() - altL + neuL, 0);
    std::memcpy(neu.data(), alt.data(), T + 5);
    Schreib32(neu, T + 5, static_cast<std::uint32_t>(n));
    for (std::size_t i = 0; i < neuerName.size(); ++i) {
        neu[T + 9 + 2 * i] = static_cast<unsigned char>(neuerName[i] & 0xFF);
        neu[T + 9 + 2 * i + 1] = static_cast<unsigned char>(neuerName[i] >> 8);
    }
    std::memcpy(neu.data() + T + 9 + neuL, alt.data() + T + 9 + altL, alt.size() - (T + 9 + altL));

    // The new name must not bring a marker of its own in front of the real ones, or the
    // next rename would patch the wrong bytes.
    const std::int64_t verschiebung = 2 * n - L;
    const TMarken erwartet{m.F < m.T ? m.F : m.F + verschiebung, m.D < m.T ? m.D : m.D + verschiebung, m.T};
    const TMarken gefunden = MarkenSuchen(neu);
    if (gefunden.F != erwartet.F || gefunden.D != erwartet.D || gefunden.T != erwartet.T) return std::nullopt;
    return neu;
}

void ReplayUmbenennen(const TReplay& replay, const std::u16string& neuerName, TMeldungen& meldungen) {
    if (neuerName.empty() || neuerName.size() > kHoechsteNamenslaenge)
        throw Fehler("Der neue Name muss 1 bis 25 Zeichen lang sein.");
    const std::string pfad = ReplayVerzeichnis + replay.Dateiname;
    if (!plattform::DateiExistiert(pfad)) {
        Melden(meldungen, "Datei existiert nicht.");
        return;
    }
    // The temporary file must never be the replay itself: creating it would truncate it.
    if (IstTempName(replay.Dateiname)) {
        FormatAblehnen(meldungen);
        return;
    }

    std::vector<unsigned char> alt;
    {
        auto datei = plattform::Datei::OeffnenLesenSchreiben(pfad);
        if (!datei) {
            Melden(meldungen, "Fehler beim öffnen der Datei.");
            return;
        }
        const std::int64_t groesse = datei->Groesse();
        if (groesse > kHoechsteDateigroesse) {
            FormatAblehnen(meldungen);
            return;
        }
        alt.resize(static_cast<std::size_t>(groesse));
        if (!alt.empty()) datei->LeseGenau(alt.data(), alt.size());
        // Closed before the replace: Windows cannot replace a file that is still open.
        datei->Schliessen();
    }

    auto neu = UmbenanntenInhaltBauen(std::move(alt), replay.NamensLaenge, neuerName);
    if (!neu) {
        FormatAblehnen(meldungen);
        return;
    }

    const std::string tempPfad = ReplayVerzeichnis + kTempName;
    // Declared before the file, so the file is closed before it is removed.
    TTempAufraeumer aufraeumer(tempPfad, pfad);
    auto temp = plattform::Datei::Erzeugen(tempPfad);
    if (!temp) {
        Melden(meldungen, "Fehler beim öffnen der Datei.");
        return;
    }
    aufraeumer.Angelegt();
    temp->Schreibe(neu->data(), neu->size());
    temp->Flush();
    temp->Schliessen();
    temp.reset();
    // The file goes in only when it reads back as the replay the list showed, renamed.
    if (!GibtUmbenanntesReplay(tempPfad, replay, neuerName)) {
        FormatAblehnen(meldungen);
        return;
    }
    if (!plattform::Ersetzen(tempPfad, pfad))
        throw Fehler("Die Datei konnte nicht durch die umbenannte ersetzt werden.");
    aufraeumer.Erledigt();
}
