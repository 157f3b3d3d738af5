// The solver on sparse puzzles, where a search can meet a huge subtree
// without a solution: the known worst puzzles one by one, and the worst and
// mean of a fixed sweep of random ones. CheckPuzzle is what the create
// window, Show Solution and sudoku-tool check ask; the count is what the
// grader, the generator, the bank check and Next Step ask.
#include "solver/Engine.h"
#include "solver/Usol.h"
#include "solver/grader/BankRandom.h"
#include "solver/grader/Generator.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

// Processor time, so that other work on a shared machine does not count.
double millisecondsOf(auto &&call)
{
    const std::clock_t t0 = std::clock();
    call();
    return 1000.0 * static_cast<double>(std::clock() - t0) / CLOCKS_PER_SEC;
}

void check(benchmark::State &state, const QString &puzzle)
{
    const Tfrm_sol sol;
    QString first, second;
    for (auto _ : state)
        benchmark::DoNotOptimize(sol.CheckPuzzle(puzzle, first, second));
}

void count(benchmark::State &state, const QString &puzzle)
{
    const engine::Grid grid = engine::parse(puzzle);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::count(grid, 2));
}

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

// One pass over the sweep: the worst and mean per puzzle of both calls;
// the label is the puzzle that took CheckPuzzle longest. The long searches
// are rarer than one in a few thousand, hence 20,000 (two seconds).
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
            const double c = millisecondsOf([&] { benchmark::DoNotOptimize(sol.CheckPuzzle(text, first, second)); });
            const double n = millisecondsOf([&] { benchmark::DoNotOptimize(engine::count(g, 2)); });
            totalCheck += c;
            totalCount += n;
            if (c > worstCheck)
                slowest = text;
            worstCheck = std::max(worstCheck, c);
            worstCount = std::max(worstCount, n);
        }
    }
    const double n = static_cast<double>(puzzles.size());
    state.counters["check_worst_ms"] = worstCheck;
    state.counters["check_mean_ms"] = totalCheck / n;
    state.counters["count_worst_ms"] = worstCount;
    state.counters["count_mean_ms"] = totalCount / n;
    state.SetLabel(slowest.replace(QLatin1Char('0'), QLatin1Char('.')).toStdString());
}
BENCHMARK(sparseSweep)->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

// tests/data/sparse_puzzles.txt holds the puzzles that once took seconds;
// each gets a benchmark of both calls, named by its line.
int main(int argc, char **argv)
{
    QFile f(QStringLiteral(NODALA_TEST_DATA "/sparse_puzzles.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return 1;
    int line = 0;
    for (const QByteArray &text : f.readAll().split('\n')) {
        if (text.size() < 81)
            continue;
        const QString puzzle = QString::fromLatin1(text.left(81));
        const std::string name = "/line" + std::to_string(++line);
        benchmark::RegisterBenchmark(("check" + name).c_str(), check, puzzle)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("count" + name).c_str(), count, puzzle)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
