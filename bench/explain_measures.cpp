// Next Step on hard positions, the whole ladder against the minimal
// explanation: every Tough and Diabolical bank puzzle, each solved along
// the whole ladder's placements with every single filled in, and each
// position where the singles have run out explained both ways. Prints
// steps per explanation (mean, 90th percentile, maximum), time per
// position (mean, worst) and soundness (a removal of a solution digit or
// a wrong placement).
#include "puzzle/Levels.h"
#include "puzzle/Ufrmtk.h"
#include "solver/grader/Explain.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using grader::ExplainScope;

struct Tally {
    std::vector<int> steps;
    std::vector<double> ms;
    int unsound = 0;
};

bool sound(const grader::Explanation &e, const engine::Grid &solution)
{
    for (const grader::ExplainStep &s : e.steps)
        for (const grader::CellDigit &cd : s.changes)
            if ((solution[static_cast<std::size_t>(cd.cell)] == cd.digit) != s.place)
                return false;
    return true;
}

void count(Tally &t, const engine::Grid &g, const engine::Grid &solution, ExplainScope scope, grader::Explanation &e)
{
    const auto start = std::chrono::steady_clock::now();
    e = grader::explainNext(g, &solution, scope);
    t.ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    t.steps.push_back(static_cast<int>(e.steps.size()));
    t.unsound += !sound(e, solution);
}

void place(engine::Grid &g, const grader::Explanation &e)
{
    const grader::CellDigit p = e.steps.back().changes.front();
    g[static_cast<std::size_t>(p.cell)] = static_cast<std::uint8_t>(p.digit);
}

void print(const char *what, Tally t)
{
    if (t.steps.empty())
        return;
    std::sort(t.steps.begin(), t.steps.end());
    double sum = 0, steps = 0;
    for (double m : t.ms)
        sum += m;
    for (int s : t.steps)
        steps += s;
    const std::size_t n = t.steps.size();
    std::printf("  %-8s steps mean %.2f  p90 %d  max %d   time mean %.2f ms  worst %.2f ms   unsound %d\n", what,
                steps / static_cast<double>(n), t.steps[(n * 9) / 10], t.steps.back(), sum / static_cast<double>(n),
                *std::max_element(t.ms.begin(), t.ms.end()), t.unsound);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    for (int level : {3, 4}) {
        Tally all, minimal;
        for (const QString &entry : Tfrmtk::builtInLevel(level)) {
            const QByteArray text = entry.left(81).toLatin1();
            engine::Grid g = engine::parse(text.constData(), static_cast<std::size_t>(text.size()));
            const std::optional<engine::Grid> solution = engine::uniqueSolution(g);
            if (!solution)
                continue;
            for (;;) {
                grader::Explanation e = grader::explainNext(g, &*solution);
                if (e.state != grader::ExplainState::Steps)
                    break;
                if (e.steps.size() > 1) { // the singles have run out
                    grader::Explanation m;
                    count(minimal, g, *solution, ExplainScope::Minimal, m);
                    count(all, g, *solution, ExplainScope::All, e);
                }
                place(g, e);
            }
        }
        std::printf("%s: %zu positions\n", levels::kNames[level], all.steps.size());
        print("all", all);
        print("minimal", minimal);
    }
    return 0;
}
