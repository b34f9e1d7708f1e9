// The window walk from a seed: the core walk's generator, not RapidCheck, so that it runs
// alike here and under Wine. QUELLARCH_FENSTERWANDERUNG="STEPS [SEED]" sets its length and
// seed; by default 4,000 steps, about 40 seconds natively under the sanitizers, and a
// walk of 300 steps under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "core/platform/pfad.h"
#include "fensterwanderung.h"

TEST(Fensterwanderung, VomSamen) {
    std::size_t anzahl = plattform::IstPosix() ? 4000 : 300;
    std::uint64_t saat = 1;
    if (const char* wahl = std::getenv("QUELLARCH_FENSTERWANDERUNG")) std::istringstream(wahl) >> anzahl >> saat;
    const auto schritte = Schritte(saat, anzahl, TFensterwanderung::Schrittarten());
    const auto anfang = std::chrono::steady_clock::now();
    TFensterwanderung wanderung;
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        const std::string befund = wanderung.Gehen(schritte[i]);
        if (befund.empty()) continue;
        std::ostringstream weg;
        for (std::size_t j = i >= 20 ? i - 20 : 0; j <= i; ++j) weg << "\n  " << j << ": " << TFensterwanderung::Name(schritte[j]);
        FAIL() << "Samen " << saat << ", Schritt " << i << ":" << befund << "\nDie letzten Schritte:" << weg.str();
    }
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    for (const auto& [befehl, n] : wanderung.Statistik()) std::cout << befehl << ": " << n << '\n';
    std::cout << anzahl << " Schritte, Samen " << saat << ", " << sekunden << " s, nichts verloren\n";
}
