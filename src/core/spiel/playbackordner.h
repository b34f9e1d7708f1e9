#pragma once
#include <string>
#include <vector>

#include "core/spiel/installation.h"

// The Playback folders the game writes its replays into, and the one "Replays kopieren"
// fills for it.

// The folders of one game folder: its Playback folder, and its VirtualStore twin (where
// Windows redirects a 32-bit game's writes under Program Files) when that exists.
std::vector<std::string> PlaybackOrdnerVon(const std::string& dowVerzeichnis);

// Every Playback folder the import and the folder watch read, each once and only those
// that exist: the chosen game folder's first, then each installation's, then the further
// folders the user named (taken as they are, not as game folders).
std::vector<std::string> AllePlaybackOrdner(const std::string& dowVerzeichnis,
                                            const std::vector<TInstallation>& installationen,
                                            const std::vector<std::string>& weitere);

// The folder the checked replays are copied into for the game in dowVerzeichnis: its
// Playback folder, or, where that cannot be written and the game lies under Program
// Files, its VirtualStore twin, made where missing, since the game reads from there.
std::string PlaybackZiel(const std::string& dowVerzeichnis);
