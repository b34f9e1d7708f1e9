// The window walk from a seed: the core walk's generator, not RapidCheck, so that it runs
// alike here and under Wine. QUELLARCH_FENSTERWANDERUNG="STEPS [SEED]" sets its length and
// seed; by default 4,000 steps, about 40 seconds natively under the sanitizers, and a
// walk of 1,000 steps under Wine, about twenty seconds.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "core/platform/pfad.h"
#include "fensterwanderung.h"

namespace {

// Walks anzahl steps from saat; empty when nothing failed, else the step, what did not
// hold and the steps before it.
std::string Wandern(std::uint64_t saat, std::size_t anzahl, TFensterwanderung* wanderung) {
    const auto schritte = Schritte(saat, anzahl, TFensterwanderung::Schrittarten());
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        const std::string befund = wanderung->Gehen(schritte[i]);
        if (befund.empty()) continue;
        std::ostringstream weg;
        weg << "Samen " << saat << ", Schritt " << i << ":" << befund << "\nDie letzten Schritte:";
        for (std::size_t j = i >= 20 ? i - 20 : 0; j <= i; ++j) weg << "\n  " << j << ": " << TFensterwanderung::Name(schritte[j]);
        return weg.str();
    }
    return {};
}

}  // namespace

TEST(Fensterwanderung, VomSamen) {
    std::size_t anzahl = plattform::IstPosix() ? 4000 : 1000;
    std::uint64_t saat = 1;
    if (const char* wahl = std::getenv("QUELLARCH_FENSTERWANDERUNG")) std::istringstream(wahl) >> anzahl >> saat;
    const auto anfang = std::chrono::steady_clock::now();
    TFensterwanderung wanderung;
    const std::string befund = Wandern(saat, anzahl, &wanderung);
    ASSERT_TRUE(befund.empty()) << befund;
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    for (const auto& [befehl, n] : wanderung.Statistik()) std::cout << befehl << ": " << n << '\n';
    std::cout << anzahl << " Schritte, Samen " << saat << ", " << sekunden << " s, nichts verloren\n";
}

// Walks that once failed, each as far as its failing step. No shorter sequence of window
// commands showed the fault: here the search moved the current row under a panel that kept
// the replay it showed before (seed 3, step 786).
TEST(Fensterwanderung, EinstGescheitert) {
    if (!plattform::IstPosix()) GTEST_SKIP() << "natively only: under Wine it would take minutes";
    const struct {
        std::uint64_t saat;
        std::size_t anzahl;
    } faelle[] = {{3, 800}};
    for (const auto& fall : faelle) {
        TFensterwanderung wanderung;
        EXPECT_EQ(Wandern(fall.saat, fall.anzahl, &wanderung), "");
    }
}
