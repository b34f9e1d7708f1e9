#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/platform/dateistempel.h"

// The slow look at a folder, where its notifications fall short: lists it and compares
// each entry's stamp with the last look's. No file is opened, so a look at an idle
// folder costs a listing and a stamp per name.
class TOrdnerblick {
public:
    // ordner ends with a separator; maske as for plattform::Aufzaehlen ("*.rec").
    TOrdnerblick(std::string ordner, std::string maske);

    // Takes the folder as it stands as the reference, reporting nothing.
    void Aufnehmen();
    // Takes what another look found as the reference (the library scan's stamps), which
    // spares a second stamp for each of a big folder's files.
    using TStaende = std::vector<std::pair<std::string, std::optional<plattform::Dateistempel>>>;
    void Aufnehmen(TStaende staende);
    // The names that came, went or changed their stamp since the reference, which then
    // becomes the folder as it stands now; in listing order, the vanished ones last.
    std::vector<std::string> Vergleichen();
    // Takes one name's stamp anew, after a notification named it: the next look does not
    // report it again for that change.
    void Nachtragen(const std::string& name);

    std::size_t Anzahl() const { return stand_.size(); }

private:
    struct TStand {
        std::optional<plattform::Dateistempel> stempel;
        std::uint32_t gesehen = 0;  // the look that last listed it
    };
    std::vector<std::string> Blicken(bool melden);

    std::string ordner_, maske_;
    std::unordered_map<std::string, TStand> stand_;
    std::uint32_t blick_ = 0;
};
