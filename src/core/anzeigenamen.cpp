#include "core/anzeigenamen.h"

#include <string_view>

#include "core/zeichensatz.h"

namespace {

struct TEintrag {
    std::string_view Schluessel;
    const char* Name;  // UTF-8
};

// Races show under their English names.
constexpr TEintrag kRassen[] = {
    {"space_marine_race", "Space Marines"},
    {"chaos_marine_race", "Chaos Marines"},
    {"eldar_race", "Eldar"},
    {"ork_race", "Orkz"},
};

// Maps show under their German names.
constexpr TEintrag kKarten[] = {
    {"2P_BATTLE_MARSHES", "Sumpfgebiete"},
    {"2P_BLOOD_RIVER", "Blutfluss"},
    {"2P_DEADMANS_CROSSING", "Das Flusstal"},
    {"2P_FALLEN_CITY", "Gefallene Stade"},
    {"2P_MEETING_OF_MINDS", "Zusammenkunft"},
    {"2P_OUTER_REACHES", "Randgebiete"},
    {"2P_RAILWAY", "Bahnhof"},
    {"2P_TAINTED_PAIR", "Verfluchtes Land"},
    {"2P_VALLEY_OF_KHORNE", "Tal des Khorne"},
    {"4P_BIFFYS_PERIL", "Biffys Wagnis"},
    {"4P_MOUNTAIN_TRAIL", "Der Bergpass"},
    {"4P_QUATRA", "Quatra"},
    {"4P_SAINTS_SQUARE", "Heiliges Quadrat"},
    {"4P_TAINTED_PLACE", "Verfluchter Ort"},
    {"4P_TAINTED_SOUL", "Verdorbene Seele"},
    {"4P_TARTARUS_CENTER", "Zentrum von Tartarus"},
    {"4P_VOLCANIC_REACTION", "Der Vulkan"},
    {"6P_BLOODSHED_ALLEY", "Die Allee des Blutvergießens"},
    {"6P_CROSSROADS", "Kreuzweg"},
    {"6P_KASYR_LUTIEN", "Kasyr Lutien"},
    {"6P_MORTALIS", "Mortalis"},
    {"6P_TESTING_GROUNDS", "Testgelände"},
    {"6PTEAM_STREETS_OF_VOGEN", "Straßen von Vogen"},
    {"8P_BURIAL_GROUNDS", "Die Gräber"},
    {"8P_DATURIAS_PITS", "Daturias"},
    {"8P_DOOM_CHAMBER", "Vorhof zur Hölle"},
    {"8P_LOST_HOPE", "Letzte Hoffnung"},
    {"8P_PENAL_COLONY", "Penal-Kolonie"},
};

template <std::size_t N>
TAnzeigename Nachschlagen(const TEintrag (&tabelle)[N], const std::string& schluessel) {
    TAnzeigename anzeige;
    for (const TEintrag& eintrag : tabelle) {
        if (eintrag.Schluessel == schluessel) {
            anzeige.Name = eintrag.Name;
            break;
        }
    }
    anzeige.Schluessel = Utf8AusCp1252(schluessel);
    return anzeige;
}

}  // namespace

TAnzeigename RassenAnzeige(const std::string& schluessel) { return Nachschlagen(kRassen, schluessel); }

TAnzeigename KartenAnzeige(const std::string& schluessel) { return Nachschlagen(kKarten, schluessel); }
