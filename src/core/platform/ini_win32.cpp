#include "core/platform/ini.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/griff_win32.h"
#include "core/platform/initext.h"
#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"
#include "core/zeichensatz.h"

namespace plattform {
namespace {

constexpr unsigned char kUtf16Marke[] = {0xFF, 0xFE};

// Whether the ANSI code page holds every character of the value; the profile functions
// write a plain file in that code page and put '?' for the rest.
bool PasstInAnsi(const std::wstring& wert) {
    if (wert.empty()) return true;
    BOOL ersetzt = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wert.c_str(), static_cast<int>(wert.size()),
                                      nullptr, 0, nullptr, &ersetzt);
    return n > 0 && !ersetzt;
}

bool AllesSchreiben(HANDLE h, const void* daten, std::size_t anzahl) {
    const auto* p = static_cast<const char*>(daten);
    while (anzahl > 0) {
        DWORD n = 0;
        if (!WriteFile(h, p, static_cast<DWORD>(anzahl), &n, nullptr) || n == 0) return false;
        p += n;
        anzahl -= n;
    }
    return true;
}

// How the file's text is held. The profile functions know ANSI and, behind its mark,
// UTF-16; Notepad saves UTF-8 without a mark, which they would read as ANSI.
enum class Form { Ansi, Unicode, Utf8 };

// A file that begins with the UTF-8 mark, or is valid UTF-8 and not plain ASCII, is
// UTF-8; marke gets the length of its mark. Plain ASCII reads the same either way.
Form FormVon(std::string_view bytes, std::size_t& marke) {
    marke = 0;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == kUtf16Marke[0] &&
        static_cast<unsigned char>(bytes[1]) == kUtf16Marke[1])
        return Form::Unicode;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        marke = 3;
        return Form::Utf8;
    }
    bool ascii = true;
    for (char b : bytes) ascii = ascii && static_cast<unsigned char>(b) < 0x80;
    return !ascii && AnzeigeText(bytes) == bytes ? Form::Utf8 : Form::Ansi;
}

// The file's bytes; empty for a missing file, nullopt for one that cannot be read.
std::optional<std::string> DateiLesen(const std::wstring& datei) {
    // The profile functions may hold the file in a cache; all three nulls write it out.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, datei.c_str());
    Griff ein(CreateFileW(datei.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (ein.h() == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional<std::string>(std::string()) : std::nullopt;
    LARGE_INTEGER groesse;
    if (!GetFileSizeEx(ein.h(), &groesse) || groesse.QuadPart > 16 * 1024 * 1024) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(groesse.QuadPart), '\0');
    DWORD gelesen = 0;
    if (!bytes.empty() && (!ReadFile(ein.h(), bytes.data(), static_cast<DWORD>(bytes.size()), &gelesen, nullptr) ||
                           gelesen != bytes.size()))
        return std::nullopt;
    return bytes;
}

// Makes datei a file that the profile functions keep as Unicode: one that begins with a
// UTF-16LE byte-order mark. A missing file starts as just the mark; a plain file is carried
// over line for line from its ANSI code page or from UTF-8, beside it and then moved over
// it, so a failure leaves it as it was. A file that has the mark already stays untouched.
bool AlsUnicodeDatei(const std::wstring& datei) {
    const std::optional<std::string> alt = DateiLesen(datei);
    if (!alt) return false;
    std::size_t marke = 0;
    const Form form = FormVon(*alt, marke);
    if (form == Form::Unicode) return true;
    const std::string_view bytes = std::string_view(*alt).substr(marke);
    const UINT codepage = form == Form::Utf8 ? CP_UTF8 : CP_ACP;
    std::wstring text;
    if (!bytes.empty()) {
        const int n = MultiByteToWideChar(codepage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        if (n <= 0) return false;
        text.resize(static_cast<std::size_t>(n));
        MultiByteToWideChar(codepage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    }
    // A name of its own, made exclusively: two programs saving their settings at once
    // never write into one file, and nothing already there is ever opened.
    const std::wstring temp = Breit(OrdnerTeil(Schmal(datei)) + TempName());
    {
        Griff aus(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (aus.h() == INVALID_HANDLE_VALUE) return false;
        if (!AllesSchreiben(aus.h(), kUtf16Marke, sizeof kUtf16Marke) ||
            !AllesSchreiben(aus.h(), text.data(), text.size() * sizeof(wchar_t)) || !FlushFileBuffers(aus.h())) {
            DeleteFileW(temp.c_str());
            return false;
        }
    }
    if (!MoveFileExW(temp.c_str(), datei.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string IniLesen(const std::string& datei, const std::string& abschnitt,
                     const std::string& schluessel, const std::string& vorgabe) {
    if (const auto bytes = DateiLesen(Breit(datei))) {
        std::size_t marke = 0;
        if (FormVon(*bytes, marke) == Form::Utf8)
            if (auto wert = IniWertSuchen(std::string_view(*bytes).substr(marke), abschnitt, schluessel))
                return IniKuerzen(std::move(*wert));
    }
    std::array<wchar_t, IniPuffergroesse> puffer{};
    const DWORD laenge =
        GetPrivateProfileStringW(Breit(abschnitt).c_str(), Breit(schluessel).c_str(), Breit(vorgabe).c_str(),
                                 puffer.data(), static_cast<DWORD>(puffer.size()), Breit(datei).c_str());
    return Schmal(std::wstring_view(puffer.data(), laenge));
}

bool IniSchreiben(const std::string& datei, const std::string& abschnitt,
                  const std::string& schluessel, const std::string& wert) {
    if (SollFehlschlagen(Operation::Schreiben)) return false;
    const std::wstring breitDatei = Breit(datei), breitWert = Breit(wert);
    // Written into a plain file, a folder the ANSI code page cannot name would come back
    // with '?' in it, and a UTF-8 file would get an ANSI line among its UTF-8 ones. Only
    // then does the file become a Unicode one; an ANSI file with ANSI values stays exactly
    // as it was.
    std::size_t marke = 0;
    const auto bytes = DateiLesen(breitDatei);
    const bool utf8 = bytes && FormVon(*bytes, marke) == Form::Utf8;
    if ((utf8 || !PasstInAnsi(breitWert)) && !AlsUnicodeDatei(breitDatei)) return false;
    return WritePrivateProfileStringW(Breit(abschnitt).c_str(), Breit(schluessel).c_str(), breitWert.c_str(),
                                      breitDatei.c_str()) != 0;
}

}  // namespace plattform
