#pragma once
// A TDialoge that asks no one, for the benchmarks and the screenshot: every question,
// query and chooser is answered No or Cancel, and a message goes to the given stream, or
// nowhere. Texts are UTF-8.
#include <cstdio>
#include <string>

#include "gui/dialoge.h"

class StilleDialoge : public TDialoge {
public:
    explicit StilleDialoge(std::FILE* nachrichten = nullptr) : nachrichten_(nachrichten) {}

    void Nachricht(const std::string& text) override {
        if (nachrichten_) std::fprintf(nachrichten_, "%s\n", text.c_str());
    }
    bool Frage(const std::string&, const std::string&) override { return false; }
    bool Eingabe(const std::string&, const std::string&, std::string&, const TEingaberegeln&) override {
        return false;
    }
    bool OrdnerWaehlen(const std::string&, std::string&) override { return false; }

private:
    std::FILE* nachrichten_;
};
