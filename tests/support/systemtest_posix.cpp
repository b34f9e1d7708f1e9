#include "support/systemtest.h"

#include <stdexcept>

namespace {
[[noreturn]] void NurUnterWindows() { throw std::logic_error("nur unter Windows"); }
}  // namespace

bool RegistrySchluesselVorhanden(const std::string&, RegistrySicht, RegistryBereich) { NurUnterWindows(); }
bool RegistryWertSetzen(const std::string&, const std::string&, unsigned long, const std::string&, RegistrySicht,
                        RegistryBereich) {
    NurUnterWindows();
}
void RegistrySchluesselLoeschen(const std::string&, RegistrySicht, RegistryBereich) { NurUnterWindows(); }
std::string WindowsUtf8AusUtf16(const std::u16string&) { NurUnterWindows(); }
std::u16string WindowsUtf16AusAnsi(const std::string&) { NurUnterWindows(); }
std::shared_ptr<void> OhneTeilenOeffnen(const std::string&) { NurUnterWindows(); }
std::pair<std::FILE*, std::FILE*> WindowsRohr() { NurUnterWindows(); }
std::FILE* WindowsKonsole(unsigned) { NurUnterWindows(); }
int WindowsKonsolenZeile(std::FILE*) { NurUnterWindows(); }
std::u16string WindowsKonsolenText(std::FILE*, int, std::size_t) { NurUnterWindows(); }
std::string WindowsManifest(const std::string&) { NurUnterWindows(); }
WindowsLauf WindowsCmd(const std::string&) { NurUnterWindows(); }
