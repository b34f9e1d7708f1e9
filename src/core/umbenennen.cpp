#include "core/umbenennen.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "core/dateifunktionen.h"
#include "core/fehler.h"
#include "core/markensuche.h"
#include "core/meldungen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/quelldatei.h"
#include "core/platform/tempdatei.h"
#include "core/replay.h"
#include "core/uebertragung.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"

namespace {

constexpr std::size_t kHoechsteNamenslaenge = 25;
// The rewrite holds the file twice in memory; a file bigger than any replay is refused.
constexpr std::int64_t kHoechsteDateigroesse = kHoechsteReplayGroesse;

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

void Melden(TMeldungen& meldungen, TMeldungsart art) { meldungen.Meldung(art); }

class TZaehlendeMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override { ++anzahl; }
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
    Melden(meldungen, TMeldungsart::UnerwartetesFormat);
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
        throw Fehler(TFehlerart::NamensLaenge);
    const std::string pfad = ReplayVerzeichnis + replay.Dateiname;
    if (!plattform::DateiExistiert(pfad)) {
        Melden(meldungen, TMeldungsart::DateiFehlt);
        return;
    }
    plattform::TempResteEinmalEntfernen(ReplayVerzeichnis);

    // Read-only: others may go on reading it, and a replay from a CD or a download that
    // is marked read-only is refused with its reason rather than as unopenable.
    const auto datei = plattform::Quelldatei::Oeffnen(pfad);
    if (!datei) {
        Melden(meldungen, TMeldungsart::OeffnenFehlgeschlagen);
        return;
    }
    if (plattform::Schreibgeschuetzt(datei->Zustand())) {
        Melden(meldungen, TMeldungsart::Schreibgeschuetzt);
        return;
    }
    const std::int64_t groesse = datei->Zustand().groesse;
    if (groesse > kHoechsteDateigroesse) {
        FormatAblehnen(meldungen);
        return;
    }
    std::vector<unsigned char> alt(static_cast<std::size_t>(groesse));
    if (datei->Lesen(0, alt.data(), alt.size()) != groesse || !datei->Unveraendert())
        throw Fehler(TFehlerart::Lesefehler);

    auto neu = UmbenanntenInhaltBauen(std::move(alt), replay.NamensLaenge, neuerName);
    if (!neu) {
        FormatAblehnen(meldungen);
        return;
    }

    // A name of our own, made exclusively: two renames at once never share a file, and a
    // link or FIFO planted under some name is never opened.
    auto temp = plattform::TempDatei::Anlegen(ReplayVerzeichnis);
    if (!temp) {
        Melden(meldungen, TMeldungsart::OeffnenFehlgeschlagen);
        return;
    }
    // The replay keeps its modification time, the date the list shows; the new file's
    // identity tells the index that it changed.
    if (!temp->Schreiben(neu->data(), neu->size()) || !temp->Abschliessen(datei->Zustand()))
        throw Fehler(temp->Warum() == plattform::Dateifehler::Voll ? TFehlerart::DatentraegerVoll
                                                                    : TFehlerart::Schreibfehler);
    // The file goes in only when it reads back as the replay the list showed, renamed.
    if (!GibtUmbenanntesReplay(temp->Pfad(), replay, neuerName)) {
        FormatAblehnen(meldungen);
        return;
    }
    switch (temp->Ersetzen(pfad, datei->Zustand())) {
        case plattform::Ersetzergebnis::Ersetzt:
            // Same size, same date: the index must be told, as no stamp may show it.
            IndexEintragVerwerfen(ReplayVerzeichnis, replay.Dateiname);
            return;
        case plattform::Ersetzergebnis::Geaendert:
            Melden(meldungen, TMeldungsart::InzwischenGeaendert);
            return;
        case plattform::Ersetzergebnis::Fehler:
            throw Fehler(TFehlerart::Ersetzen);
    }
}
