#include "platform/programmstart.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace plattform {

namespace {

// The full path of an executable file named name in one of the PATH folders, or "".
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

}  // namespace

void ProgrammStarten(const std::string& datei, const std::string& arbeitsverzeichnis) {
    // Both paths are taken as they are: on POSIX a '\' is part of a folder's name.
    // Everything is prepared before fork: between fork and exec only async-signal-safe
    // calls are allowed, as the window's process has other threads.
    const std::string wine = AufPfadSuchen("wine");
    std::vector<std::string> argumente;
    if (!wine.empty()) argumente = {wine, datei};
    else argumente = {datei};
    std::vector<char*> argv;
    for (auto& a : argumente) argv.push_back(a.data());
    argv.push_back(nullptr);
    const char* ausfuehren = argv[0];

    // Twice forked: the middle process ends at once and is reaped here, the game is
    // adopted by init, so it leaves no zombie and outlives the window.
    pid_t mitte = fork();
    if (mitte < 0) return;
    if (mitte == 0) {
        setsid();
        pid_t spiel = fork();
        if (spiel == 0) {
            // An empty or missing folder keeps the current one, as the shell does.
            if (!arbeitsverzeichnis.empty()) (void)chdir(arbeitsverzeichnis.c_str());
            execv(ausfuehren, argv.data());
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(mitte, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace plattform
