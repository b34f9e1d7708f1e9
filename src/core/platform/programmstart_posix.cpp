#include "core/platform/programmstart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace plattform {

std::string AufPfadSuchen(const std::string& name) {
    const char* pfad = std::getenv("PATH");
    if (!pfad) return {};
    const std::string_view liste = pfad;
    std::size_t anfang = 0;
    while (anfang <= liste.size()) {
        std::size_t ende = liste.find(':', anfang);
        if (ende == std::string_view::npos) ende = liste.size();
        // An empty entry stands for the current folder.
        std::string kandidat(ende > anfang ? liste.substr(anfang, ende - anfang) : std::string_view("."));
        kandidat.append("/").append(name);
        struct stat info {};
        if (stat(kandidat.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(kandidat.c_str(), X_OK) == 0)
            return kandidat;
        anfang = ende + 1;
    }
    return {};
}

std::optional<Startfehler> ProgrammStarten(const Startbefehl& befehl) {
    if (befehl.Argumente.empty()) return std::nullopt;
    // Both paths are taken as they are: on POSIX a '\' is part of a folder's name.
    // Everything is prepared before fork: between fork and exec only async-signal-safe
    // calls are allowed, as the window's process has other threads.
    std::vector<std::string> argumente = befehl.Argumente;
    std::vector<char*> argv;
    for (auto& a : argumente) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> umgebung;
    for (char** e = environ; *e != nullptr; ++e)
        if (befehl.WinePraefix.empty() || std::string_view(*e).rfind("WINEPREFIX=", 0) != 0) umgebung.emplace_back(*e);
    if (!befehl.WinePraefix.empty()) umgebung.push_back("WINEPREFIX=" + befehl.WinePraefix);
    std::vector<char*> envp;
    for (auto& e : umgebung) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string& ausfuehren = argumente[0];
    const std::string& arbeitsverzeichnis = befehl.Arbeitsverzeichnis;
    const auto fehler = [&](int nummer) { return Startfehler{ausfuehren, std::strerror(nummer)}; };

    // The program's errno comes back through a pipe that exec closes: nothing read means
    // it runs.
    int rohr[2];
    if (pipe2(rohr, O_CLOEXEC) != 0) return fehler(errno);
    // Twice forked: the middle process ends at once and is reaped here, the game is
    // adopted by init, so it leaves no zombie and outlives the window.
    pid_t mitte = fork();
    if (mitte < 0) {
        const int nummer = errno;
        close(rohr[0]);
        close(rohr[1]);
        return fehler(nummer);
    }
    if (mitte == 0) {
        close(rohr[0]);
        setsid();
        pid_t spiel = fork();
        if (spiel == 0) {
            // An empty folder keeps the current one, as the shell does; a missing one is
            // an error, not a start somewhere else.
            if (arbeitsverzeichnis.empty() || chdir(arbeitsverzeichnis.c_str()) == 0)
                execve(ausfuehren.c_str(), argv.data(), envp.data());
            const int nummer = errno;
            (void)!write(rohr[1], &nummer, sizeof nummer);
            _exit(127);
        }
        if (spiel < 0) {
            const int nummer = errno;
            (void)!write(rohr[1], &nummer, sizeof nummer);
        }
        _exit(0);
    }
    close(rohr[1]);
    int status = 0;
    while (waitpid(mitte, &status, 0) < 0 && errno == EINTR) {
    }
    int nummer = 0;
    ssize_t gelesen;
    while ((gelesen = read(rohr[0], &nummer, sizeof nummer)) < 0 && errno == EINTR) {
    }
    close(rohr[0]);
    if (gelesen == static_cast<ssize_t>(sizeof nummer)) return fehler(nummer);
    return std::nullopt;
}

}  // namespace plattform
