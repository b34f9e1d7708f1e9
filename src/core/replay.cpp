#include "core/replay.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

#include "core/fehler.h"
#include "core/markensuche.h"
#include "core/meldungen.h"
#include "core/platform/datei.h"
#include "core/platform/dateistempel.h"
#include "core/platform/pfad.h"
#include "core/platform/uhr.h"
#include "core/zeichensatz.h"

namespace {
// Everything the parse needs lies in the first few KiB of a replay; reading them in one
// block instead of a seek and read per field is what keeps a big library fast.
constexpr std::size_t kKopfGroesse = 4096;

}  // namespace

std::string DateinameAusPfad(const std::string& pfad) { return plattform::DateiTeil(pfad); }

std::int64_t TrsrStelle(std::uint8_t kartenpfadLaenge) {
    // The map key is what follows the 18-byte "DATA:Scenarios\MP\" prefix, m bytes at 250; a
    // shorter path wraps around in 8 bits. 60 opaque bytes later, at O, come the seven
    // 8-byte option entries, and "TRSR" ends the seventh.
    const auto m = static_cast<std::uint8_t>(kartenpfadLaenge - 18);
    return 250 + m + 60 + 52;
}

// Exact reads at absolute positions, served from the file's head where it can. Every
// read is checked against the file size first, so a damaged file fails exactly where a
// seek and exact read of the same bytes would fail, and nothing is read outside it.
class TReplay::Leser {
public:
    explicit Leser(plattform::Datei& datei) : datei_(datei), groesse_(datei.Groesse()) {
        kopfLaenge_ = static_cast<std::size_t>(std::min<std::int64_t>(groesse_, kKopfGroesse));
        // A freshly opened file stands at 0, so no seek.
        if (kopfLaenge_ > 0) datei_.LeseGenau(kopf_.data(), kopfLaenge_);
    }

    void Lese(std::int64_t position, void* ziel, std::size_t anzahl) {
        if (position < 0 || position > groesse_ || static_cast<std::int64_t>(anzahl) > groesse_ - position)
            throw Fehler(TFehlerart::Dateiende, datei_.Pfad());
        if (anzahl == 0) return;
        if (position + static_cast<std::int64_t>(anzahl) <= static_cast<std::int64_t>(kopfLaenge_)) {
            std::memcpy(ziel, kopf_.data() + position, anzahl);
            return;
        }
        datei_.Positionieren(position);
        datei_.LeseGenau(ziel, anzahl);
    }

    // The bytes at position: straight from the head when they lie in it, else read into
    // a scratch buffer that stays valid until the next call.
    const unsigned char* Bytes(std::int64_t position, std::size_t anzahl) {
        if (position >= 0 && position + static_cast<std::int64_t>(anzahl) <= static_cast<std::int64_t>(kopfLaenge_))
            return kopf_.data() + position;
        ablage_.resize(anzahl);
        Lese(position, ablage_.data(), anzahl);
        return ablage_.data();
    }

    std::uint8_t Byte(std::int64_t position) { return *Bytes(position, 1); }

    std::uint32_t Wort32(std::int64_t position) {
        const unsigned char* b = Bytes(position, 4);
        return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
               std::uint32_t(b[3]) << 24;
    }

    std::string Zeichen(std::int64_t position, std::size_t anzahl) {
        const unsigned char* b = Bytes(position, anzahl);
        return std::string(reinterpret_cast<const char*>(b), anzahl);
    }

    // n UTF-16LE code units as UTF-8; a lone surrogate shows as U+FFFD.
    std::string Utf16Text(std::int64_t position, std::uint8_t einheiten) {
        const unsigned char* roh = Bytes(position, 2 * einheiten);
        // Length fields hold at most 255 units. Plain ASCII, nearly every name, is the
        // same in both encodings and is copied through a stack buffer without decoding,
        // which keeps the scan as fast as it was.
        char ascii[256];
        for (std::size_t i = 0; i < einheiten; ++i) {
            const auto einheit = static_cast<char16_t>(roh[2 * i] | roh[2 * i + 1] << 8);
            if (einheit >= 0x80) return Utf16Dekodieren(roh, einheiten);
            ascii[i] = static_cast<char>(einheit);
        }
        return std::string(ascii, einheiten);
    }

    static std::string Utf16Dekodieren(const unsigned char* roh, std::size_t einheiten) {
        std::u16string text(einheiten, u'\0');
        for (std::size_t i = 0; i < einheiten; ++i)
            text[i] = static_cast<char16_t>(roh[2 * i] | roh[2 * i + 1] << 8);
        return Utf8AusUtf16(text);
    }

    // MarkeInDateiSuchen started at position: bytes up to the first occurrence, or -1
    // when the file ends first.
    std::int64_t MarkeSuchen(const std::string& marke, std::int64_t position) {
        // The next player's entry nearly always lies in the head already.
        if (position >= 0 && position < static_cast<std::int64_t>(kopfLaenge_)) {
            std::string_view kopf(reinterpret_cast<const char*>(kopf_.data()), kopfLaenge_);
            auto fund = kopf.find(marke, static_cast<std::size_t>(position));
            if (fund != std::string_view::npos) return static_cast<std::int64_t>(fund) - position;
        }
        // Otherwise the search goes on in the file itself, block by block, from the same place.
        datei_.Positionieren(position);
        return MarkeInDateiSuchen(marke, datei_);
    }

private:
    plattform::Datei& datei_;
    std::int64_t groesse_;
    std::array<unsigned char, kKopfGroesse> kopf_;  // not zeroed: only kopfLaenge_ bytes count
    std::size_t kopfLaenge_ = 0;
    std::vector<unsigned char> ablage_;
};

TDateTime DatumAusFat(std::int32_t fat) {
    // -1, and every year from 2044 on (the year field sets the top bit), is negative.
    return fat >= 0 ? FatZuDatum(fat) : plattform::JetztLokal();
}

TReplay::TReplay(const std::string& pfad, TMeldungen& meldungen, std::optional<plattform::Dateistempel>* stempel)
    : Dateiname(DateinameAusPfad(pfad)) {
    auto datei = plattform::Datei::OeffnenLesen(pfad);
    if (!datei) {
        Lesbar = false;
        meldungen.Meldung(TMeldungsart::OeffnenFehlgeschlagen);
        return;
    }
    if (stempel) *stempel = datei->Stempel();
    // The destructor closes the file when the parse raises; Schliessen reports a failing close.
    Leser leser(*datei);
    Einlesen(leser);
    Datum = DateiDatum(*datei);
    datei->Schliessen();
}

TReplay::~TReplay() = default;

std::unique_ptr<TReplay> TReplay::NurDateiname(std::string dateiname,
                                               const std::optional<plattform::Dateistempel>& stempel) {
    auto replay = std::make_unique<TReplay>(std::move(dateiname));
    replay->Lesbar = false;
    if (stempel) replay->Datum = DatumAusFat(plattform::FatAusStempel(*stempel));
    return replay;
}

void TReplay::Einlesen(Leser& leser) {
    std::int64_t pos = 194;
    Spieleranzahl = leser.Byte(pos);

    // Only the low byte of a length field counts. The rename finds the name through
    // TrsrStelle, so both take the block after the map path from the same rule.
    pos = 228;
    std::uint8_t kartenpfad = leser.Byte(pos);
    auto m = static_cast<std::uint8_t>(kartenpfad - 18);
    pos = 250;
    Karte = leser.Zeichen(pos, m);
    pos = TrsrStelle(kartenpfad) - 52;  // O = 310 + m: the seven 8-byte option entries

    std::uint8_t* optionen[] = {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6, &Option7};
    for (auto* option : optionen) {
        *option = leser.Byte(pos);
        pos += 8;
    }
    Option8 = leser.Byte(pos);  // the byte right after "TRSR"
    pos += 1;

    std::uint8_t n = leser.Byte(pos);
    NamensLaenge = 2 * n;
    pos += 4;
    Spielname = leser.Utf16Text(pos, n);
    pos += 2 * n + 4;

    std::uint8_t c = leser.Byte(pos);
    Siegbedingungen.emplace();
    for (int j = 0; j < c; ++j) {
        pos += 4;
        Siegbedingungen->Setzen(leser.Wort32(pos));
    }
    pos += 4;  // E: the first player's anchor

    // The model has eight slots; players beyond them are not read, but Spieleranzahl keeps
    // the stored count.
    constexpr int kSlots = 8;
    const int zuLesen = std::min<int>(Spieleranzahl, kSlots);
    Spieler.reserve(static_cast<std::size_t>(zuLesen));
    for (int i = 1; i <= zuLesen; ++i) {
        pos += 40;
        std::uint8_t p = leser.Byte(pos);
        pos += 4;
        std::string name = leser.Utf16Text(pos, p);
        pos += 2 * p;
        std::uint8_t kennzahl = leser.Byte(pos);
        pos += 4;
        std::uint8_t team = leser.Byte(pos);
        pos += 4;
        std::uint8_t r = leser.Byte(pos);
        pos += 4;
        std::string rasse = leser.Zeichen(pos, r);
        Spieler.emplace_back(std::move(name), std::move(rasse), team, std::to_string(kennzahl));
        Position = static_cast<std::int32_t>(std::min<std::int64_t>(pos, std::numeric_limits<std::int32_t>::max()));

        // The search after the last player would only move the cursor toward a player
        // that does not exist, so it is skipped.
        if (i == zuLesen) break;
        std::int64_t d = leser.MarkeSuchen("FOLDGPLY", pos + r);
        // No further player entry: keep the players read so far.
        if (d < 0) break;
        pos += d + r;
    }
    Position = static_cast<std::int32_t>(std::min<std::int64_t>(pos, std::numeric_limits<std::int32_t>::max()));
}

TDateTime TReplay::DateiDatum(plattform::Datei& datei) {
    return DatumAusFat(datei.LetzteAenderungFat());
}
