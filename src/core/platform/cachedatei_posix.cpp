#include "core/platform/cachedatei.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "core/platform/fehlerplan.h"
#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"

namespace plattform {
namespace {

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

bool AllesSchreiben(int fd, const unsigned char* daten, std::size_t anzahl) {
    while (anzahl > 0) {
        ssize_t n = ::write(fd, daten, anzahl);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        daten += n;
        anzahl -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::vector<unsigned char>> CacheLesen(const std::string& pfad, std::size_t hoechstens) {
    Fd datei{::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat st {};
    if (datei.fd < 0 || ::fstat(datei.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
        static_cast<std::uint64_t>(st.st_size) > hoechstens)
        return std::nullopt;
    std::vector<unsigned char> inhalt(static_cast<std::size_t>(st.st_size));
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        ssize_t n = ::read(datei.fd, inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;  // shorter than fstat said: changed meanwhile
        gelesen += static_cast<std::size_t>(n);
    }
    return inhalt;
}

bool CacheSchreiben(const std::string& pfad, const std::vector<unsigned char>& inhalt) {
    if (SollFehlschlagen(Operation::CacheSchreiben)) return false;
    const auto trenner = pfad.rfind('/');
    if (trenner != std::string::npos && trenner > 0) {
        std::error_code fehler;
        std::filesystem::create_directories(pfad.substr(0, trenner), fehler);
    }
    // A name of its own, made exclusively: two programs (or two threads) writing the same
    // index never share a file, and nothing already there is ever opened.
    const std::string temp = OrdnerTeil(pfad) + TempName();
    bool ok;
    {
        Fd datei{::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)};
        if (datei.fd < 0) return false;
        ok = AllesSchreiben(datei.fd, inhalt.data(), inhalt.size());
        ok = ::close(datei.fd) == 0 && ok;
        datei.fd = -1;
    }
    ok = ok && std::rename(temp.c_str(), pfad.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool CacheAnhaengen(const std::string& pfad, const std::vector<unsigned char>& bytes) {
    if (SollFehlschlagen(Operation::CacheSchreiben)) return false;
    const std::string ordner = OrdnerTeil(pfad);
    if (!ordner.empty()) {
        std::error_code fehler;
        std::filesystem::create_directories(ordner, fehler);
    }
    Fd datei{::open(pfad.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600)};
    if (datei.fd < 0) return false;
    // One write of a few bytes with O_APPEND lands whole at the end, whoever else appends.
    const ssize_t n = ::write(datei.fd, bytes.data(), bytes.size());
    return n == static_cast<ssize_t>(bytes.size());
}

std::optional<std::vector<unsigned char>> CacheNehmen(const std::string& pfad, std::size_t hoechstens) {
    const std::string genommen = OrdnerTeil(pfad) + TempName();
    if (std::rename(pfad.c_str(), genommen.c_str()) != 0) return std::nullopt;
    auto inhalt = CacheLesen(genommen, hoechstens);
    ::unlink(genommen.c_str());
    return inhalt;
}

}  // namespace plattform
