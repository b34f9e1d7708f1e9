// The parts of Datei that are the same on every platform.
#include "core/platform/datei.h"

#include "core/fehler.h"

namespace plattform {

std::optional<Dateistempel> Datei::Stempel() const {
    if (!merkerGueltig_) return std::nullopt;
    return merker_;
}

void Datei::LeseGenau(void* puffer, std::size_t anzahl) {
    if (LeseBlock(puffer, anzahl) != anzahl) throw Fehler(TFehlerart::Dateiende, pfad_);
}

}  // namespace plattform
