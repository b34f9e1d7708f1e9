#include "support/tempverzeichnis.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

TempVerzeichnis::TempVerzeichnis() {
    std::random_device zufall;
    const fs::path basis = fs::temp_directory_path();
    for (int versuch = 0; versuch < 100; ++versuch) {
        const fs::path kandidat = basis / ("quellarch-test-" + std::to_string(zufall()));
        std::error_code fehler;
        if (fs::create_directory(kandidat, fehler)) {
            pfad_ = kandidat.string() + '/';
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made under " + basis.string());
}

fs::path FsPfad(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Pfad(const fs::path& pfad) {
    const std::u8string text = pfad.u8string();
    return std::string(text.begin(), text.end());
}

TempVerzeichnis::~TempVerzeichnis() {
    std::error_code fehler;
    // Tests take write bits away; give them back so the removal cannot fail for that.
    for (auto it = fs::recursive_directory_iterator(pfad_, fehler); !fehler && it != fs::recursive_directory_iterator();
         it.increment(fehler)) {
        std::error_code egal;
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, egal);
    }
    fs::remove_all(pfad_, fehler);
}

std::string TempVerzeichnis::DateiSchreiben(const std::string& name, const std::string& inhalt) const {
    const std::string pfad = pfad_ + name;
    std::ofstream aus(FsPfad(pfad), std::ios::binary | std::ios::trunc);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    if (!aus) throw std::runtime_error("cannot write " + pfad);
    return pfad;
}
