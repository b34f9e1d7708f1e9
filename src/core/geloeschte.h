#pragma once
#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/inhalt.h"

// What the user deleted from a library folder, by content: the automatic save does not
// bring such a replay back from Playback, under whatever name it stands there. Kept
// beside the replay index (IndexVerzeichnis), one file per library folder.
class TGeloeschte {
public:
    // Empty; Laden fills it.
    explicit TGeloeschte(std::string verzeichnis = {});
    // What was remembered for the library folder verzeichnis; nothing when IndexVerzeichnis
    // is not set or the file is missing or damaged.
    static TGeloeschte Laden(const std::string& verzeichnis);

    void Merken(const TInhalt& inhalt);
    // The user brought the replay back on purpose (a drop, the import button).
    void Vergessen(const TInhalt& inhalt);
    bool Enthaelt(const TInhalt& inhalt) const;
    bool Leer() const { return reihe_.empty(); }

    // Writes the file when something changed since Laden or the last write; false when it
    // could not be written (IndexVerzeichnis not set, the disk refused).
    bool Speichern();

    // The oldest are forgotten beyond this many: a game deleted a hundred thousand
    // deletions ago is not in Playback any more.
    static constexpr std::size_t kHoechstens = 100000;

private:
    struct Streuung {
        std::size_t operator()(const TInhalt& i) const { return static_cast<std::size_t>(i.a ^ (i.b >> 1)); }
    };
    std::string verzeichnis_;
    std::vector<TInhalt> reihe_;  // oldest first
    std::unordered_set<TInhalt, Streuung> menge_;
    bool geaendert_ = false;
};
