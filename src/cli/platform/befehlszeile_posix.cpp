#include "cli/befehlszeile.h"

std::vector<std::string> Argumente(int argc, char** argv) {
    std::vector<std::string> argumente;
    for (int i = 1; i < argc; ++i) argumente.emplace_back(argv[i]);
    return argumente;
}
