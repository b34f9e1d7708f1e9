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
