// Explaining the next step from positions met while solving bank puzzles
// of each level: the mean per position, and the worst one as a counter.
#include "puzzle/Ufrmtk.h"
#include "solver/grader/Explain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

struct Position {
    engine::Grid placed, solution;
};

// Every 10th puzzle of the level, and every position along the ladder's
// path through it (each explanation's placement made in turn).
std::vector<Position> positionsOf(int level)
{
    std::vector<Position> out;
    const QStringList entries = Tfrmtk::builtInLevel(level);
    for (qsizetype i = 0; i < entries.size(); i += 10) {
        const QByteArray text = entries.at(i).left(81).toLatin1();
        engine::Grid g = engine::parse(text.constData(), static_cast<std::size_t>(text.size()));
        const engine::Result r = engine::find(g, 2);
        if (r.count != 1)
            continue;
        for (;;) {
            const grader::Explanation e = grader::explainNext(g, &r.first);
            if (e.state != grader::ExplainState::Steps)
                break;
            out.push_back({g, r.first});
            const grader::CellDigit last = e.steps.back().changes.front();
            g[static_cast<std::size_t>(last.cell)] = static_cast<std::uint8_t>(last.digit);
        }
    }
    return out;
}

void explainPositions(benchmark::State &state)
{
    const std::vector<Position> positions = positionsOf(static_cast<int>(state.range(0)));
    double worst = 0;
    for (const Position &p : positions) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(grader::explainNext(p.placed, &p.solution));
        worst = std::max(worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grader::explainNext(positions[i].placed, &positions[i].solution));
        i = (i + 1) % positions.size();
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["worst_ms"] = worst;
}
BENCHMARK(explainPositions)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
