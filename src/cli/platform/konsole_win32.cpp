#include "cli/platform/konsole.h"

#include <windows.h>
#include <io.h>

#include <algorithm>
#include <string>

#include "core/platform/breit_win32.h"

namespace konsole {
namespace {

HANDLE Griff(std::FILE* datei) { return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(datei))); }

bool KonsolenGriff(HANDLE h) {
    DWORD modus = 0;
    return h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &modus);
}

// Older consoles refuse big writes; pieces of 8 Ki code units never part a surrogate pair.
bool KonsoleSchreiben(HANDLE h, std::wstring_view text) {
    constexpr std::size_t kStueck = 8192;
    while (!text.empty()) {
        std::size_t n = std::min(text.size(), kStueck);
        if (n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] < 0xDC00) --n;
        DWORD geschrieben = 0;
        if (!WriteConsoleW(h, text.data(), static_cast<DWORD>(n), &geschrieben, nullptr) || geschrieben == 0)
            return false;
        text.remove_prefix(geschrieben);
    }
    return true;
}

}  // namespace

bool TAusgabe::IstKonsole(Strom strom) const { return KonsolenGriff(Griff(Datei(strom))); }

bool TAusgabe::Schreiben(Strom strom, std::string_view utf8) {
    std::FILE* datei = Datei(strom);
    if (!IstKonsole(strom)) return std::fwrite(utf8.data(), 1, utf8.size(), datei) == utf8.size();
    // What the C stream still holds goes first, so the order stays as written.
    std::fflush(datei);
    const bool gut = KonsoleSchreiben(Griff(datei), plattform::Breit(utf8));
    if (!gut && strom == Strom::Aus) konsolenfehler_ = true;
    return gut;
}

bool TAusgabe::Abschliessen() { return std::fflush(aus_) == 0 && !std::ferror(aus_) && !konsolenfehler_; }

TAusgabe& Systemausgabe() {
    static TAusgabe ausgabe(stdout, stderr);
    return ausgabe;
}

bool EigeneKonsole() {
    // Started from cmd or PowerShell, the console also holds the shell; from Explorer
    // only this process.
    DWORD prozesse[2];
    return GetConsoleProcessList(prozesse, 2) == 1 && KonsolenGriff(GetStdHandle(STD_INPUT_HANDLE));
}

void AufTasteWarten() {
    HANDLE eingabe = GetStdHandle(STD_INPUT_HANDLE);
    FlushConsoleInputBuffer(eingabe);
    for (;;) {
        INPUT_RECORD ereignis;
        DWORD gelesen = 0;
        if (!ReadConsoleInputW(eingabe, &ereignis, 1, &gelesen)) return;
        if (gelesen == 1 && ereignis.EventType == KEY_EVENT && ereignis.Event.KeyEvent.bKeyDown) return;
    }
}

}  // namespace konsole
