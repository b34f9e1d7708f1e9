#include "cli/befehlszeile.h"

namespace {

bool Leer(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> BefehlszeileZerlegen(std::string_view zeile) {
    std::vector<std::string> argumente;
    std::size_t i = 0;
    // The program's name knows no backslash rules: quotes only group.
    std::string name;
    bool inAnfuehrung = false;
    for (; i < zeile.size() && (inAnfuehrung || !Leer(zeile[i])); ++i) {
        if (zeile[i] == '"') inAnfuehrung = !inAnfuehrung;
        else name += zeile[i];
    }
    argumente.push_back(std::move(name));

    for (;;) {
        while (i < zeile.size() && Leer(zeile[i])) ++i;
        if (i >= zeile.size()) break;
        std::string argument;
        inAnfuehrung = false;
        while (i < zeile.size() && (inAnfuehrung || !Leer(zeile[i]))) {
            if (zeile[i] != '\\' && zeile[i] != '"') {
                argument += zeile[i++];
                continue;
            }
            std::size_t striche = 0;
            for (; i < zeile.size() && zeile[i] == '\\'; ++i) ++striche;
            if (i == zeile.size() || zeile[i] != '"') {
                argument.append(striche, '\\');
                continue;
            }
            argument.append(striche / 2, '\\');
            if (striche % 2 == 0) {
                inAnfuehrung = !inAnfuehrung;
            } else if (inAnfuehrung && (i + 1 == zeile.size() || Leer(zeile[i + 1]))) {
                argument += '\\';
                inAnfuehrung = false;
            } else {
                argument += '"';
            }
            ++i;
        }
        argumente.push_back(std::move(argument));
    }
    return argumente;
}
