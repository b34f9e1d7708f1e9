// The replay list with 5,000, 20,000 and 100,000 replays: filling it the way the refresh
// does, and sorting it by each of its six columns. Resident_MB is the whole process.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <string>

#include "gui/grid.h"
#include "support/speicher.h"

namespace {

void Einrichten(TCheckSortGrid& grid) {
    grid.SetColCount(6);
    grid.SetRowCount(2);
    grid.SetColumnHeaders({"", "", "Spielname", "#", "Karte", "Datum"});
    grid.SetColWidths({30, 40, 75, 23, 139, 137});
    grid.SetDefaultRowHeight(21);
    grid.SetFixedRowHeight(21);
    grid.SetOptions(goColSizing | goColMoving | goRangeSelect | goRowSelect);
    grid.SortOptions.Show = true;
    grid.SortOptions.FixedCols = true;
    grid.CheckAllInHeader = true;
    grid.SetRegionaleinstellungen(Regionaleinstellungen::Deutsch());
    grid.resize(449, 520);
    grid.PlaceCheckBox(1, 0, false, false);
}

// Replay-like rows: names with repeats, 2 to 8 players, a handful of maps, dates spread
// over two years. At once as the refresh fills them (one update, all rows made first), or
// row by row with a signal for every cell, as the grid's plain operations go.
void Fuellen(TCheckSortGrid& grid, int anzahl, bool aufEinmal = true) {
    static const char* karten[] = {"Blutfluss", "Kanal der Verdammten", "Wueste", "Tempel", "Meeresklippen"};
    const Regionaleinstellungen& regional = grid.Regional();
    if (aufEinmal) grid.BeginUpdate();
    grid.RemoveRowRange(2, grid.RowCount());
    if (aufEinmal) grid.SetRowCount(anzahl + 1);
    for (int i = 0; i < anzahl; ++i) {
        int n = i + 1;
        grid.CellStr(0, n, std::to_string(n));
        grid.PlaceCheckBox(1, n, false, false);
        grid.CellStr(2, n, "Partie " + std::to_string((i * 7919) % 3000));
        grid.CellStr(3, n, std::to_string(2 + (i * 31) % 7));
        grid.CellStr(4, n, karten[(i * 13) % 5]);
        grid.CellStr(5, n, regional.DatumZeitText(38000.0 + (i * 104729 % 700000) / 1000.0));
        if (!aufEinmal && n < anzahl) grid.AppendRow();
    }
    if (aufEinmal) grid.EndUpdate();
}

void BM_ListeFuellen(benchmark::State& state) {
    TCheckSortGrid grid;
    Einrichten(grid);
    for (auto _ : state) {
        Fuellen(grid, static_cast<int>(state.range(0)), state.range(1) == 1);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(grid.RowCount());
    }
    state.counters["Resident_MB"] = ResidentMB();
}
BENCHMARK(BM_ListeFuellen)
    ->ArgNames({"Zeilen", "auf_einmal"})
    ->ArgsProduct({{5000, 20000, 100000}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

void BM_SortierenNachSpalte(benchmark::State& state) {
    TCheckSortGrid grid;
    Einrichten(grid);
    const int spalte = static_cast<int>(state.range(0));
    const int anzahl = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        Fuellen(grid, anzahl);  // every run sorts the unsorted list
        grid.SortOptions.Column = -1;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        // The same path as a header click: direction rule, then the sort.
        grid.SortByHeaderClick(spalte);
    }
}
BENCHMARK(BM_SortierenNachSpalte)
    ->ArgNames({"Spalte", "Zeilen"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {5000, 20000, 100000}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
