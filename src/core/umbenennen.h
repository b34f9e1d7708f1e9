#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TReplay;
class TMeldungen;

// Whether the text typed into the rename query (UTF-8) may become a replay name: 1 to 25
// UTF-16 code units, the count the file's length field holds, nothing trimmed. A character
// beyond the BMP (an emoji) counts two.
bool NeuerNameGueltig(const std::string& text);

// Rewrites the name stored in the replay file ReplayVerzeichnis + replay.Dateiname to
// neuerName (1 to 25 UTF-16 code units); the file keeps its name on disk and its
// modification time. The old name's byte length is taken from replay.NamensLaenge, as the
// last scan found it. The new content is written to a private temporary file of the
// library folder, which replaces the replay only when the reader reads it back as that
// replay under its new name (same map, options, players, teams, races and win conditions)
// and only while the replay is still the file that was read.
// A missing file, a file that cannot be opened, a read-only file, a file whose layout the
// rewrite does not recognise, a result that does not read back so, and a replay changed
// meanwhile each give one notice through meldungen and leave the file as it was. An I/O
// error raises Fehler; the replay then still holds its old or its complete new content.
// No temporary file is left in the library folder in any of these cases.
void ReplayUmbenennen(const TReplay& replay, const std::u16string& neuerName, TMeldungen& meldungen);

// The file content after the rename: both chunk sizes moved by 2n - L, the old length field
// and name cut out, n and the new name put in their place. Nothing when the content does not
// have the shape the rewrite relies on (a marker missing, a first "TRSR" that is not the one
// the reader's name follows, a field outside the content, a length field that no longer
// holds namensLaenge / 2, fields in each other's way).
std::optional<std::vector<unsigned char>> UmbenanntenInhaltBauen(std::vector<unsigned char> alt,
                                                                 std::int32_t namensLaenge,
                                                                 const std::u16string& neuerName);
