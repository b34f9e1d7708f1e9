#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/datum.h"

class TReplay;

// File names made from a replay's contents by a template the user can edit: the automatic
// save names new games with it, the rename of files will too. A template is text with
// fields in braces; anything else, an unknown field too, is taken as it stands.
//   {Datum}          2026-12-09      the game's local date (its file's modification)
//   {Uhrzeit}        21-14           hours and minutes, with '-' since ':' is not portable
//   {Karte}          Bahnhof         the map's display name, as the caller gives it
//   {Spieler}        A, B vs C, D    the players by team, teams in their order
//   {Name}                           the replay's stored name
//   {Spieleranzahl}  4
// Field names are matched without regard to letter case; each has an English name too:
// {Date}, {Time}, {Map}, {Players}, {Name}, {PlayerCount}.

// Sorts by date in a file manager and shows date, map and players at a glance.
inline constexpr const char* kStandardvorlage = "{Datum} {Uhrzeit} {Karte} – {Spieler}";

// A name, ".rec" included, takes at most this many bytes of UTF-8, so that a numbered name
// (" (9999)") stays within what every file system takes for one name (255), and a library
// folder of over a hundred characters still leaves the whole path within Windows' 260.
// Each UTF-16 unit comes from at least one UTF-8 byte, so Windows counts no more.
constexpr std::size_t kHoechsteNamenslaenge = 140;

// What the fields show, UTF-8.
struct TNamensfelder {
    TDatumTeile Datum;
    std::string Karte;
    std::vector<std::vector<std::string>> Teams;  // each team's player names, in team order
    std::string Spielname;
    int Spieleranzahl = 0;
};

// The fields of a replay; karte is the map's display name, which the caller gives in the
// program's language. Players are grouped by their team number, in slot order; players
// without a name are left out.
TNamensfelder NamensfelderAus(const TReplay& replay, std::string karte);

// "A, B vs C, D"; "A vs B vs C" with one player a team.
std::string SpielerText(const std::vector<std::vector<std::string>>& teams);

// The file name the template gives, ending in ".rec" and made portable (PortablerName).
std::string NameAusVorlage(const std::string& vorlage, const TNamensfelder& felder);

// stamm + endung as a name that Windows, macOS and Linux all take, so a library moves
// between them: valid UTF-8; '<', '>', ':', '"', '/', '\', '|', '?', '*' and control
// characters replaced by '_'; no blanks at either end, no dots at the end, no dot at the
// start (a hidden file on POSIX); a reserved device name (CON, PRN, AUX, NUL, COM1-9,
// LPT1-9, also before an extension) given a '_'; cut to kHoechsteNamenslaenge bytes at
// a character's boundary; "Replay" when nothing is left. endung is kept as it is.
std::string PortablerName(const std::string& stamm, const std::string& endung = ".rec");

// Why a name the user typed for a library file cannot be taken as it stands, by the rules
// PortablerName makes names by; the ".rec" ending is not part of stamm.
enum class TNamensfehler {
    Keiner,
    Leer,        // nothing, or blanks only
    Zeichen,     // a character Windows forbids in names, a control character, not UTF-8
    Rand,        // blanks at either end, a dot at the start or the end
    Geraetename, // CON, NUL, COM1 and the like, also before an extension
    ZuLang,      // with ".rec" longer than kHoechsteNamenslaenge bytes
};
TNamensfehler DateinamensFehler(const std::string& stamm);
