#pragma once
#include <memory>
#include <string>

// The real Win32 functions, for tests that hold the program's own code against them.
// They exist only on Windows (and under Wine); on POSIX each raises std::logic_error, so
// the tests calling them begin with NUR_UNTER_WINDOWS().

// Which half of the registry a 64-bit program on 64-bit Windows addresses.
enum class RegistrySicht { Bit32, Bit64 };

// Whether the key exists under HKEY_LOCAL_MACHINE in the given view.
bool RegistrySchluesselVorhanden(const std::string& schluessel, RegistrySicht sicht);
// Creates the key under HKEY_LOCAL_MACHINE (with its parents) and sets one value of the
// given type (REG_SZ = 1, REG_EXPAND_SZ = 2, REG_DWORD = 4, ...) to exactly these bytes.
// False when the key may not be created (no administrator rights).
bool RegistryWertSetzen(const std::string& schluessel, const std::string& wert, unsigned long typ,
                        const std::string& bytes, RegistrySicht sicht);
// Removes the key with everything below it; a missing key is fine.
void RegistrySchluesselLoeschen(const std::string& schluessel, RegistrySicht sicht);

// WideCharToMultiByte(CP_UTF8, 0, ...) of the whole text.
std::string WindowsUtf8AusUtf16(const std::u16string& text);
// MultiByteToWideChar(1252, 0, ...) of the whole text.
std::u16string WindowsUtf16AusAnsi(const std::string& text);

// Opens the file for writing and shares nothing with anyone, as a program that wants its
// file to itself while it writes; closed when the last copy of the result goes.
std::shared_ptr<void> OhneTeilenOeffnen(const std::string& pfad);
