// CheckPuzzle of the program's solver and of the literal reference, side by
// side: per-puzzle median and slowest on the hard sets, the hard set's
// speed-up over the reference, and the rate on easy puzzles.
#include "PuzzleMaker.h"
#include "ReferenceSolver.h"
#include "base/TextLines.h"
#include "solver/Usol.h"

#include <QFile>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

namespace {

// One puzzle per line, '.' or any other non-digit a blank.
QStringList loadSet(const QString &path)
{
    QStringList out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QByteArray text = f.readAll();
    textlines::forEachLine(text.constData(), text.constData() + text.size(), [&out](const char *first, const char *last) {
        if (last - first >= 81)
            out << QString::fromLatin1(first, 81).replace(QLatin1Char('.'), QLatin1Char('*'));
    });
    return out;
}

const QStringList &hardSet()
{
    static const QStringList set = loadSet(QStringLiteral(NODALA_TEST_DATA "/hard_puzzles.txt"));
    return set;
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Best of `repeats` runs of the program's CheckPuzzle on one puzzle.
double engineSeconds(const Tfrm_sol &sol, const QString &puzzle, int repeats)
{
    double best = 1e9;
    QString a, b;
    for (int k = 0; k < repeats; ++k) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(sol.CheckPuzzle(puzzle, a, b));
        best = std::min(best, seconds(std::chrono::steady_clock::now() - t0));
    }
    return best;
}

// CheckPuzzle over a whole set; the counters give the per-puzzle median
// and slowest (best of five runs each).
void checkSet(benchmark::State &state, const QStringList &set)
{
    if (set.size() < 50) {
        state.SkipWithError("puzzle set missing");
        return;
    }
    Tfrm_sol sol;
    QString a, b;
    for (auto _ : state)
        for (const QString &p : set)
            benchmark::DoNotOptimize(sol.CheckPuzzle(p, a, b));
    std::vector<double> each;
    for (const QString &p : set)
        each.push_back(engineSeconds(sol, p, 5));
    std::sort(each.begin(), each.end());
    state.counters["puzzles"] = static_cast<double>(set.size());
    state.counters["median_us"] = each[each.size() / 2] * 1e6;
    state.counters["slowest_us"] = each.back() * 1e6;
    state.SetItemsProcessed(state.iterations() * set.size());
}

// tests/data/hard_puzzles.txt: seventy hard puzzles, twelve of them without
// a solution.
void BM_CheckPuzzle_HardSet(benchmark::State &state) { checkSet(state, hardSet()); }
BENCHMARK(BM_CheckPuzzle_HardSet)->Unit(benchmark::kMillisecond);

// bench/data (written by make_solver_sets with its defaults): the 95
// hardest of 5000 random minimal puzzles after hill-climbing the hardest,
// and 95 of them with one given changed so that there is no solution, where
// the proof takes the most search.
void BM_CheckPuzzle_Gen95Hard(benchmark::State &state)
{
    static const QStringList set = loadSet(QStringLiteral(NODALA_BENCH_DATA "/gen95_hard.txt"));
    checkSet(state, set);
}
BENCHMARK(BM_CheckPuzzle_Gen95Hard)->Unit(benchmark::kMillisecond);

void BM_CheckPuzzle_Gen95Refute(benchmark::State &state)
{
    static const QStringList set = loadSet(QStringLiteral(NODALA_BENCH_DATA "/gen95_refute.txt"));
    checkSet(state, set);
}
BENCHMARK(BM_CheckPuzzle_Gen95Refute)->Unit(benchmark::kMillisecond);

// One pass of the reference over the whole set, checked against the
// program's answers (the reference's verdict 0 stands where the program,
// knowing more, may say 2 only for puzzles with several solutions; the
// hard set has none).
void BM_Reference_HardSet(benchmark::State &state)
{
    const QStringList &set = hardSet();
    Tfrm_sol sol;
    double referenceTotal = 0, engineTotal = 0, slowestReference = 0;
    std::vector<long> guesses;
    for (auto _ : state) {
        guesses.clear();
        referenceTotal = slowestReference = 0;
        for (const QString &p : set) {
            QString rf, rs, f, s;
            reference::Guesses = 0;
            const auto t0 = std::chrono::steady_clock::now();
            const int rv = reference::CheckPuzzle(p, rf, rs);
            const double t = seconds(std::chrono::steady_clock::now() - t0);
            referenceTotal += t;
            slowestReference = std::max(slowestReference, t);
            guesses.push_back(reference::Guesses);
            if (sol.CheckPuzzle(p, f, s) != rv || f != rf || s != rs) {
                state.SkipWithError("the solvers disagree");
                return;
            }
        }
    }
    for (const QString &p : set)
        engineTotal += engineSeconds(sol, p, 5);
    std::sort(guesses.begin(), guesses.end());
    state.counters["reference_total_ms"] = referenceTotal * 1e3;
    state.counters["reference_slowest_ms"] = slowestReference * 1e3;
    state.counters["engine_total_ms"] = engineTotal * 1e3;
    state.counters["speedup"] = referenceTotal / engineTotal;
    state.counters["guesses_min"] = static_cast<double>(guesses.front());
    state.counters["guesses_median"] = static_cast<double>(guesses[guesses.size() / 2]);
}
BENCHMARK(BM_Reference_HardSet)->Unit(benchmark::kMillisecond)->Iterations(1);

// Easy puzzles: random grids with 45 cells blanked, unique or not.
void BM_CheckPuzzle_Easy(benchmark::State &state)
{
    std::mt19937 rng(7);
    QStringList easy;
    for (int i = 0; i < 1000; ++i)
        easy << puzzlemaker::blankOut(puzzlemaker::randomGrid(rng), 45, rng);
    Tfrm_sol sol;
    QString a, b;
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sol.CheckPuzzle(easy[i], a, b));
        i = (i + 1) % easy.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckPuzzle_Easy)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
