// Grading over the whole bank, per level and on average, and dealing a
// bank entry with its 200 swaps.
#include "puzzle/QJ.h"
#include "puzzle/Ufrmtk.h"
#include "solver/grader/Grader.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<engine::Grid> puzzlesOf(int level)
{
    std::vector<engine::Grid> out;
    for (int l = level < 0 ? 0 : level; l <= (level < 0 ? 4 : level); ++l)
        for (const QString &entry : Tfrmtk::builtInLevel(l)) {
            engine::Grid g{};
            for (int i = 0; i < 81 && i < entry.size(); ++i) {
                const char16_t c = entry.at(i).unicode();
                g[static_cast<std::size_t>(i)] = c >= u'1' && c <= u'9' ? static_cast<std::uint8_t>(c - u'0') : 0;
            }
            out.push_back(g);
        }
    return out;
}

// One iteration grades one puzzle (uniqueness check included), cycling
// through the bank, so the time per iteration is the average per puzzle.
void gradeBank(benchmark::State &state)
{
    const std::vector<engine::Grid> puzzles = puzzlesOf(static_cast<int>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grader::grade(puzzles[i]));
        i = (i + 1) % puzzles.size();
    }
}
BENCHMARK(gradeBank)->Arg(-1)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

void loadFromBank(benchmark::State &state)
{
    const Tfrmtk bank;
    TQJ q;
    int i = 0;
    for (auto _ : state) {
        q.LoadFromBank(bank.tk4.at(i));
        benchmark::DoNotOptimize(q.node(1, 1).digit);
        i = (i + 1) % 500;
    }
}
BENCHMARK(loadFromBank)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
