#pragma once
#include <string>
#include <vector>

// Each sub-command takes its arguments as bytes (POSIX: as the system gave them; Windows:
// UTF-8 of the wide command line); texts among them are read as UTF-8. Each
// returns the exit status: 0 done, 1 failed, 2 usage error.
int BefehlShow(const std::vector<std::string>& argumente);
int BefehlList(const std::vector<std::string>& argumente);
int BefehlImport(const std::vector<std::string>& argumente);
int BefehlRename(const std::vector<std::string>& argumente);
int BefehlConfig(const std::vector<std::string>& argumente);

// The usage line of each command, as "usage:" and --help print it.
inline constexpr char kBenutzungShow[] = "quellarch-cli show [--json] FILE...";
inline constexpr char kBenutzungList[] = "quellarch-cli list [--json] [--filter TEXT] [--no-index] DIR";
inline constexpr char kBenutzungImport[] = "quellarch-cli import GAMEDIR LIBDIR [--remove]";
inline constexpr char kBenutzungImportAlle[] = "quellarch-cli import --all LIBDIR [--remove]";
inline constexpr char kBenutzungRename[] = "quellarch-cli rename FILE NEWNAME";
inline constexpr char kBenutzungConfig[] = "quellarch-cli config [--json]";
