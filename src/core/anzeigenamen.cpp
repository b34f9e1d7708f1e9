#include "core/anzeigenamen.h"

#include <string_view>

#include "core/uebersetzbar.h"
#include "core/zeichensatz.h"

namespace {

struct TEintrag {
    std::string_view Schluessel;
    const char* Name;  // UTF-8
};

// Races show under their English names, in German too.
constexpr TEintrag kRassen[] = {
    {"space_marine_race", UEBERSETZBAR("Rasse", "Space Marines")},
    {"chaos_marine_race", UEBERSETZBAR("Rasse", "Chaos Marines")},
    {"eldar_race", UEBERSETZBAR("Rasse", "Eldar")},
    {"ork_race", UEBERSETZBAR("Rasse", "Orkz")},
    // The expansions' races, under the keys of the game's own race files (Winter Assault:
    // guard; Dark Crusade: necron, tau; Soulstorm: dark_eldar, sisters). Any other key
    // shows as it is stored.
    {"guard_race", UEBERSETZBAR("Rasse", "Imperial Guard")},
    {"necron_race", UEBERSETZBAR("Rasse", "Necrons")},
    {"tau_race", UEBERSETZBAR("Rasse", "Tau Empire")},
    {"dark_eldar_race", UEBERSETZBAR("Rasse", "Dark Eldar")},
    {"sisters_race", UEBERSETZBAR("Rasse", "Sisters of Battle")},
};

// Maps show under the names of the game's German edition; the translations give the English.
constexpr TEintrag kKarten[] = {
    {"2P_BATTLE_MARSHES", UEBERSETZBAR("Karte", "Sumpfgebiete")},
    {"2P_BLOOD_RIVER", UEBERSETZBAR("Karte", "Blutfluss")},
    {"2P_DEADMANS_CROSSING", UEBERSETZBAR("Karte", "Das Flusstal")},
    {"2P_FALLEN_CITY", UEBERSETZBAR("Karte", "Gefallene Stade")},
    {"2P_MEETING_OF_MINDS", UEBERSETZBAR("Karte", "Zusammenkunft")},
    {"2P_OUTER_REACHES", UEBERSETZBAR("Karte", "Randgebiete")},
    {"2P_RAILWAY", UEBERSETZBAR("Karte", "Bahnhof")},
    {"2P_TAINTED_PAIR", UEBERSETZBAR("Karte", "Verfluchtes Land")},
    {"2P_VALLEY_OF_KHORNE", UEBERSETZBAR("Karte", "Tal des Khorne")},
    {"4P_BIFFYS_PERIL", UEBERSETZBAR("Karte", "Biffys Wagnis")},
    {"4P_MOUNTAIN_TRAIL", UEBERSETZBAR("Karte", "Der Bergpass")},
    {"4P_QUATRA", UEBERSETZBAR("Karte", "Quatra")},
    {"4P_SAINTS_SQUARE", UEBERSETZBAR("Karte", "Heiliges Quadrat")},
    {"4P_TAINTED_PLACE", UEBERSETZBAR("Karte", "Verfluchter Ort")},
    {"4P_TAINTED_SOUL", UEBERSETZBAR("Karte", "Verdorbene Seele")},
    {"4P_TARTARUS_CENTER", UEBERSETZBAR("Karte", "Zentrum von Tartarus")},
    {"4P_VOLCANIC_REACTION", UEBERSETZBAR("Karte", "Der Vulkan")},
    {"6P_BLOODSHED_ALLEY", UEBERSETZBAR("Karte", "Die Allee des Blutvergießens")},
    {"6P_CROSSROADS", UEBERSETZBAR("Karte", "Kreuzweg")},
    {"6P_KASYR_LUTIEN", UEBERSETZBAR("Karte", "Kasyr Lutien")},
    {"6P_MORTALIS", UEBERSETZBAR("Karte", "Mortalis")},
    {"6P_TESTING_GROUNDS", UEBERSETZBAR("Karte", "Testgelände")},
    {"6PTEAM_STREETS_OF_VOGEN", UEBERSETZBAR("Karte", "Straßen von Vogen")},
    {"8P_BURIAL_GROUNDS", UEBERSETZBAR("Karte", "Die Gräber")},
    {"8P_DATURIAS_PITS", UEBERSETZBAR("Karte", "Daturias")},
    {"8P_DOOM_CHAMBER", UEBERSETZBAR("Karte", "Vorhof zur Hölle")},
    {"8P_LOST_HOPE", UEBERSETZBAR("Karte", "Letzte Hoffnung")},
    {"8P_PENAL_COLONY", UEBERSETZBAR("Karte", "Penal-Kolonie")},
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
