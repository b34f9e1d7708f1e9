#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

// The real Win32 functions, for tests that hold the program's own code against them.
// They exist only on Windows (and under Wine); on POSIX each raises std::logic_error, so
// the tests calling them begin with NUR_UNTER_WINDOWS().

// Which half of the registry a 64-bit program on 64-bit Windows addresses.
enum class RegistrySicht { Bit32, Bit64 };
// HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER.
enum class RegistryBereich { Maschine, Benutzer };

// Whether the key exists in the given view.
bool RegistrySchluesselVorhanden(const std::string& schluessel, RegistrySicht sicht,
                                 RegistryBereich bereich = RegistryBereich::Maschine);
// Creates the key (with its parents) and sets one value of the given type (REG_SZ = 1,
// REG_EXPAND_SZ = 2, REG_DWORD = 4, ...) to exactly these bytes. False when the key may
// not be created (no administrator rights).
bool RegistryWertSetzen(const std::string& schluessel, const std::string& wert, unsigned long typ,
                        const std::string& bytes, RegistrySicht sicht,
                        RegistryBereich bereich = RegistryBereich::Maschine);
// Removes the key with everything below it; a missing key is fine.
void RegistrySchluesselLoeschen(const std::string& schluessel, RegistrySicht sicht,
                                RegistryBereich bereich = RegistryBereich::Maschine);

// WideCharToMultiByte(CP_UTF8, 0, ...) of the whole text.
std::string WindowsUtf8AusUtf16(const std::u16string& text);
// MultiByteToWideChar(1252, 0, ...) of the whole text.
std::u16string WindowsUtf16AusAnsi(const std::string& text);

// Opens the file for writing and shares nothing with anyone, as a program that wants its
// file to itself while it writes; closed when the last copy of the result goes.
std::shared_ptr<void> OhneTeilenOeffnen(const std::string& pfad);

// An anonymous pipe as two C streams in binary mode: the first writes, the second reads.
std::pair<std::FILE*, std::FILE*> WindowsRohr();
// The console of this process, made with AllocConsole when it has none, as a C stream on
// CONOUT$, with its output code page set to codepage. nullptr where no console can be
// had: Wine without a display gives none that takes text.
std::FILE* WindowsKonsole(unsigned codepage);
// The row the console's cursor is in, and anzahl characters of the console's buffer from
// the start of row zeile.
int WindowsKonsolenZeile(std::FILE* konsole);
std::u16string WindowsKonsolenText(std::FILE* konsole, int zeile, std::size_t anzahl);
// The application manifest built into the program at pfad (resource 1 of RT_MANIFEST),
// or "" when it has none.
std::string WindowsManifest(const std::string& pfad);
// Runs a line as typed at cmd's prompt (UTF-8): cmd.exe /s /c "zeile", with stdout and
// stderr caught together. status is cmd's, which is the last program's.
struct WindowsLauf {
    int status;
    std::string ausgabe;
};
WindowsLauf WindowsCmd(const std::string& zeile);
