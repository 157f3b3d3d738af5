// The solver on sparse puzzles with many solutions, where a search can
// meet a huge subtree without a solution: the known worst puzzles one by
// one, and the worst and mean of a fixed sweep of random ones. CheckPuzzle
// is what the create window and sudoku-tool check ask; the count is what
// the grader, the generator, the bank check and Next Step ask.
#include "solver/Engine.h"
#include "solver/Usol.h"
#include "solver/grader/BankRandom.h"
#include "solver/grader/Generator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <vector>

namespace {

// The inputs that once took seconds (the first two as reported, the rest
// the slowest of the sweep below and of larger sweeps like it).
const char *const kPathological[] = {
    "........7..4.....8..2......7.............9.......7......5....1..3........4.......",
    "......2...........4.2.6.................5...................1...3...2.7.724.13...",
};

double millisecondsOf(auto &&call)
{
    const auto t0 = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void pathologicalCheck(benchmark::State &state)
{
    const QString puzzle = QString::fromLatin1(kPathological[state.range(0)]);
    const Tfrm_sol sol;
    QString first, second;
    for (auto _ : state)
        benchmark::DoNotOptimize(sol.CheckPuzzle(puzzle, first, second));
}
BENCHMARK(pathologicalCheck)->DenseRange(0, std::size(kPathological) - 1)->Unit(benchmark::kMillisecond);

void pathologicalCount(benchmark::State &state)
{
    const engine::Grid puzzle = engine::parse(QString::fromLatin1(kPathological[state.range(0)]));
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::count(puzzle, 2));
}
BENCHMARK(pathologicalCount)->DenseRange(0, std::size(kPathological) - 1)->Unit(benchmark::kMillisecond);

// Random full grids, each cut down to 10..16 of its own cells.
std::vector<engine::Grid> sparsePuzzles(int n)
{
    grader::BankRandom rng(20250611u);
    std::vector<engine::Grid> out;
    for (int k = 0; k < n; ++k) {
        const engine::Grid solution = grader::randomGrid(rng.next());
        int order[81];
        std::iota(order, order + 81, 0);
        for (int i = 80; i > 0; --i)
            std::swap(order[i], order[rng.below(i + 1)]);
        engine::Grid puzzle{};
        const int keep = 10 + rng.below(7);
        for (int i = 0; i < keep; ++i)
            puzzle[static_cast<std::size_t>(order[i])] = solution[static_cast<std::size_t>(order[i])];
        out.push_back(puzzle);
    }
    return out;
}

// One pass over the sweep: the worst and mean per puzzle of both calls,
// and the slowest puzzle's text on standard error to keep it.
void sparseSweep(benchmark::State &state)
{
    const std::vector<engine::Grid> puzzles = sparsePuzzles(static_cast<int>(state.range(0)));
    const Tfrm_sol sol;
    double worstCheck = 0, totalCheck = 0, worstCount = 0, totalCount = 0;
    QString slowest;
    for (auto _ : state) {
        worstCheck = totalCheck = worstCount = totalCount = 0;
        for (const engine::Grid &g : puzzles) {
            const QString text = engine::toString(g);
            QString first, second;
            const double check = millisecondsOf([&] { benchmark::DoNotOptimize(sol.CheckPuzzle(text, first, second)); });
            const double count = millisecondsOf([&] { benchmark::DoNotOptimize(engine::count(g, 2)); });
            totalCheck += check;
            totalCount += count;
            if (check > worstCheck)
                slowest = text;
            worstCheck = std::max(worstCheck, check);
            worstCount = std::max(worstCount, count);
        }
    }
    const double n = static_cast<double>(puzzles.size());
    state.counters["check_worst_ms"] = worstCheck;
    state.counters["check_mean_ms"] = totalCheck / n;
    state.counters["count_worst_ms"] = worstCount;
    state.counters["count_mean_ms"] = totalCount / n;
    state.SetLabel(slowest.replace(QLatin1Char('0'), QLatin1Char('.')).toStdString());
}
BENCHMARK(sparseSweep)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
