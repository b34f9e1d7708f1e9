// The replay list with 10,000 replays: filling it the way the refresh does, and sorting
// it by each of its six columns.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <string>

#include "grid.h"

namespace {

constexpr int anzahl = 10000;

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
// over two years.
void Fuellen(TCheckSortGrid& grid) {
    static const char* karten[] = {"Blutfluss", "Kanal der Verdammten", "Wueste", "Tempel", "Meeresklippen"};
    const Regionaleinstellungen& regional = grid.Regional();
    grid.RemoveRowRange(2, grid.RowCount());
    for (int i = 0; i < anzahl; ++i) {
        int n = i + 1;
        grid.CellStr(0, n, std::to_string(n));
        grid.PlaceCheckBox(1, n, false, false);
        grid.CellStr(2, n, "Partie " + std::to_string((i * 7919) % 3000));
        grid.CellStr(3, n, std::to_string(2 + (i * 31) % 7));
        grid.CellStr(4, n, karten[(i * 13) % 5]);
        grid.CellStr(5, n, regional.DatumZeitText(38000.0 + (i * 104729 % 700000) / 1000.0));
        if (n < anzahl) grid.AppendRow();
    }
}

void BM_ListeFuellen(benchmark::State& state) {
    TCheckSortGrid grid;
    Einrichten(grid);
    for (auto _ : state) {
        Fuellen(grid);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(grid.RowCount());
    }
}
BENCHMARK(BM_ListeFuellen)->Unit(benchmark::kMillisecond);

void BM_SortierenNachSpalte(benchmark::State& state) {
    TCheckSortGrid grid;
    Einrichten(grid);
    Fuellen(grid);
    const int spalte = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Fuellen(grid);  // every run sorts the unsorted list
        grid.SortOptions.Column = -1;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        // The same path as a header click: direction rule, then the sort.
        grid.SortByHeaderClick(spalte);
    }
}
BENCHMARK(BM_SortierenNachSpalte)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
