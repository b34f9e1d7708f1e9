#include "core/suche.h"

#include <unordered_map>

#include "core/anzeigenamen.h"
#include "core/replay.h"
#include "core/zeichensatz.h"

namespace {

// A run of code points that all fold to the same letters.
struct TBereich {
    char32_t Von, Bis;
    const char* Basis;
};

// Latin-1 Supplement and Latin Extended-A: each letter as its base letter, lower case.
constexpr TBereich kLatein[] = {
    {0xC0, 0xC5, "a"},    {0xC6, 0xC6, "ae"},   {0xC7, 0xC7, "c"},   {0xC8, 0xCB, "e"},   {0xCC, 0xCF, "i"},
    {0xD0, 0xD0, "d"},    {0xD1, 0xD1, "n"},    {0xD2, 0xD6, "o"},   {0xD8, 0xD8, "o"},   {0xD9, 0xDC, "u"},
    {0xDD, 0xDD, "y"},    {0xDE, 0xDE, "th"},   {0xDF, 0xDF, "ss"},  {0xE0, 0xE5, "a"},   {0xE6, 0xE6, "ae"},
    {0xE7, 0xE7, "c"},    {0xE8, 0xEB, "e"},    {0xEC, 0xEF, "i"},   {0xF0, 0xF0, "d"},   {0xF1, 0xF1, "n"},
    {0xF2, 0xF6, "o"},    {0xF8, 0xF8, "o"},    {0xF9, 0xFC, "u"},   {0xFD, 0xFD, "y"},   {0xFE, 0xFE, "th"},
    {0xFF, 0xFF, "y"},    {0x100, 0x105, "a"},  {0x106, 0x10D, "c"}, {0x10E, 0x111, "d"}, {0x112, 0x11B, "e"},
    {0x11C, 0x123, "g"},  {0x124, 0x127, "h"},  {0x128, 0x131, "i"}, {0x132, 0x133, "ij"}, {0x134, 0x135, "j"},
    {0x136, 0x138, "k"},  {0x139, 0x142, "l"},  {0x143, 0x14B, "n"}, {0x14C, 0x151, "o"}, {0x152, 0x153, "oe"},
    {0x154, 0x159, "r"},  {0x15A, 0x161, "s"},  {0x162, 0x167, "t"}, {0x168, 0x173, "u"}, {0x174, 0x175, "w"},
    {0x176, 0x178, "y"},  {0x179, 0x17E, "z"},  {0x17F, 0x17F, "s"}, {0x1E9E, 0x1E9E, "ss"},
};

// The base letters of a Latin letter with accent or case; nullptr for any other.
const char* LateinBasis(char32_t z) {
    if (z < 0xC0 || z > 0x1E9E) return nullptr;
    for (const TBereich& b : kLatein)
        if (z >= b.Von && z <= b.Bis) return b.Basis;
    return nullptr;
}

constexpr char32_t kErsatz = 0xFFFD;

// The code point that starts at text[i]; i moves past it. A malformed or overlong
// sequence, a surrogate or a cut-off end gives U+FFFD for its first byte alone.
char32_t Naechster(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t laenge;
    char32_t zeichen, kleinster;
    if (b >= 0xC2 && b <= 0xDF) laenge = 2, zeichen = b & 0x1F, kleinster = 0x80;
    else if (b >= 0xE0 && b <= 0xEF) laenge = 3, zeichen = b & 0x0F, kleinster = 0x800;
    else if (b >= 0xF0 && b <= 0xF4) laenge = 4, zeichen = b & 0x07, kleinster = 0x10000;
    else return ++i, kErsatz;
    if (text.size() - i < laenge) return ++i, kErsatz;
    for (std::size_t k = 1; k < laenge; ++k) {
        const auto folge = static_cast<unsigned char>(text[i + k]);
        if ((folge & 0xC0) != 0x80) return ++i, kErsatz;
        zeichen = (zeichen << 6) | (folge & 0x3F);
    }
    if (zeichen < kleinster || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) return ++i, kErsatz;
    i += laenge;
    return zeichen;
}

// Greek without case, tonos or diaeresis; final sigma is sigma.
char32_t GriechischGefaltet(char32_t z) {
    switch (z) {
        case 0x386: case 0x3AC: return 0x3B1;  // α
        case 0x388: case 0x3AD: return 0x3B5;  // ε
        case 0x389: case 0x3AE: return 0x3B7;  // η
        case 0x38A: case 0x3AA: case 0x3AF: case 0x3CA: case 0x390: return 0x3B9;  // ι
        case 0x38C: case 0x3CC: return 0x3BF;  // ο
        case 0x38E: case 0x3AB: case 0x3CD: case 0x3CB: case 0x3B0: return 0x3C5;  // υ
        case 0x38F: case 0x3CE: return 0x3C9;  // ω
        case 0x3C2: return 0x3C3;              // ς
        default: break;
    }
    return z >= 0x391 && z <= 0x3A9 ? z + 0x20 : z;
}

// Cyrillic (with its supplement) without case; ё is е.
char32_t KyrillischGefaltet(char32_t z) {
    if (z == 0x401 || z == 0x451) return 0x435;
    if (z >= 0x400 && z <= 0x40F) return z + 0x50;
    if (z >= 0x410 && z <= 0x42F) return z + 0x20;
    // The later letters come in pairs, capital first.
    if ((z >= 0x460 && z <= 0x481) || (z >= 0x48A && z <= 0x4BF) || (z >= 0x4D0 && z <= 0x52F)) return z | 1;
    if (z >= 0x4C1 && z <= 0x4CE && (z & 1)) return z + 1;
    if (z == 0x4C0) return 0x4CF;
    return z;
}

void Blank(std::string& aus) {
    if (aus.empty() || aus.back() != ' ') aus += ' ';
}

// Appends one folded field; a line break ends it, which no folded text holds, so no word
// can match across two fields.
void Feld(std::string& text, std::string_view utf8) {
    text += SuchFalten(utf8);
    text += '\n';
}

// A key is found by its display name, as the user reads it, and by itself.
void Anzeigefeld(std::string& text, const TAnzeigename& anzeige, const char* kontext, const TUebersetzer& uebersetzer) {
    if (anzeige.Name) Feld(text, uebersetzer ? uebersetzer(kontext, *anzeige.Name) : *anzeige.Name);
    Feld(text, anzeige.Schluessel);
}

}  // namespace

std::string SuchFalten(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            ++i;
            if (b <= 0x20 || b == 0x7F) Blank(aus);
            else aus += static_cast<char>(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
            continue;
        }
        char32_t z = Naechster(utf8, i);
        if (z >= 0x300 && z <= 0x36F) continue;  // combining accents
        if (z == 0xA0 || (z >= 0x80 && z < 0xA0)) {
            Blank(aus);
            continue;
        }
        if (z == 0xB5) z = 0x3BC;  // the micro sign is mu
        if (const char* basis = LateinBasis(z)) {
            aus += basis;
            continue;
        }
        if (z >= 0x370 && z <= 0x3FF) z = GriechischGefaltet(z);
        else if (z >= 0x400 && z <= 0x52F) z = KyrillischGefaltet(z);
        Utf8Anhaengen(aus, z);
    }
    return aus;
}

TSuche::TSuche(std::string_view eingabe) {
    // Folding keeps quotes and turns every run of blanks into one blank.
    const std::string text = SuchFalten(eingabe);
    auto hinzufuegen = [this](std::string wort) {
        while (!wort.empty() && wort.back() == ' ') wort.pop_back();
        if (!wort.empty() && wort.front() == ' ') wort.erase(0, 1);
        if (!wort.empty()) woerter_.push_back(std::move(wort));
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
        } else if (text[i] == '"') {
            std::size_t ende = text.find('"', i + 1);
            if (ende == std::string::npos) ende = text.size();
            hinzufuegen(text.substr(i + 1, ende - i - 1));
            i = ende + 1;
        } else {
            std::size_t ende = text.find_first_of(" \"", i);
            if (ende == std::string::npos) ende = text.size();
            hinzufuegen(text.substr(i, ende - i));
            i = ende;
        }
    }
}

bool TSuche::Passt(std::string_view suchtext) const {
    for (const std::string& wort : woerter_)
        if (suchtext.find(wort) == std::string_view::npos) return false;
    return true;
}

std::string Suchtext(const TReplay& replay, const TUebersetzer& uebersetzer) {
    std::string text;
    Feld(text, replay.Spielname);
    Feld(text, AnzeigeText(replay.Dateiname));
    Anzeigefeld(text, KartenAnzeige(replay.Karte), "Karte", uebersetzer);
    // The players the detail panel shows.
    for (int k = 1; k <= replay.Spieleranzahl && k <= 8; ++k) {
        const TSpieler* spieler = replay.SpielerInSlot(k);
        if (!spieler) continue;
        Feld(text, spieler->Name);
        Anzeigefeld(text, RassenAnzeige(spieler->Rasse), "Rasse", uebersetzer);
    }
    return text;
}

std::vector<std::string> Suchtexte(const std::vector<std::unique_ptr<TReplay>>& replays,
                                   const TUebersetzer& uebersetzer) {
    // A library holds a few dozen maps and races a hundred thousand times over.
    std::unordered_map<std::string, std::string> uebersetzt;
    TUebersetzer gemerkt;
    if (uebersetzer)
        gemerkt = [&](const char* kontext, const std::string& name) -> std::string {
            const std::string schluessel = std::string(kontext) + '\n' + name;
            auto fund = uebersetzt.find(schluessel);
            if (fund == uebersetzt.end()) fund = uebersetzt.emplace(schluessel, uebersetzer(kontext, name)).first;
            return fund->second;
        };
    std::vector<std::string> texte;
    texte.reserve(replays.size());
    for (const auto& replay : replays) texte.push_back(replay ? Suchtext(*replay, gemerkt) : std::string());
    return texte;
}
