#include "platform/ini.h"

#include <windows.h>

#include <array>

#include "platform/fehlerplan.h"

namespace plattform {

std::string IniLesen(const std::string& datei, const std::string& abschnitt,
                     const std::string& schluessel, const std::string& vorgabe) {
    std::array<char, IniPuffergroesse> puffer{};
    const DWORD laenge = GetPrivateProfileStringA(abschnitt.c_str(), schluessel.c_str(), vorgabe.c_str(),
                                                  puffer.data(), static_cast<DWORD>(puffer.size()),
                                                  datei.c_str());
    return std::string(puffer.data(), laenge);
}

bool IniSchreiben(const std::string& datei, const std::string& abschnitt,
                  const std::string& schluessel, const std::string& wert) {
    if (SollFehlschlagen(Operation::Schreiben)) return false;
    return WritePrivateProfileStringA(abschnitt.c_str(), schluessel.c_str(), wert.c_str(), datei.c_str()) != 0;
}

}  // namespace plattform
