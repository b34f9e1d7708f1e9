#include "core/siegbedingungen.h"

void TSiegbedingungen::Setzen(std::uint32_t kennung) {
    for (const TSiegbedingung& s : kSiegbedingungen)
        if (s.Kennung == kennung) {
            this->*s.Feld = true;
            return;
        }
}
