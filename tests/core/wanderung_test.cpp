// The walk from a seed, without RapidCheck: under Wine, and the long walks of scripts/walk.
// QUELLARCH_WANDERUNG="STEPS [SEED]" sets its length and seed; by default a short walk,
// about twenty seconds under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>

#include "wanderung.h"

TEST(Wanderung, VomSamen) {
    std::size_t anzahl = 150;
    std::uint64_t saat = 1;
    if (const char* wahl = std::getenv("QUELLARCH_WANDERUNG")) std::istringstream(wahl) >> anzahl >> saat;
    const auto schritte = Schritte(saat, anzahl);
    const auto anfang = std::chrono::steady_clock::now();
    TWanderung wanderung;
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        const std::string befund = wanderung.Gehen(schritte[i]);
        if (befund.empty()) continue;
        std::ostringstream weg;
        for (std::size_t j = i >= 20 ? i - 20 : 0; j <= i; ++j) weg << "\n  " << j << ": " << schritte[j];
        FAIL() << "Samen " << saat << ", Schritt " << i << ":" << befund << "\nDie letzten Schritte:" << weg.str();
    }
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    for (const auto& [ausgang, n] : wanderung.Statistik()) std::cout << ausgang << ": " << n << '\n';
    std::cout << anzahl << " Schritte, Samen " << saat << ", " << sekunden << " s, nichts verloren\n";
}
