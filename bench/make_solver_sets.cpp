// Writes the two generated puzzle sets the solver benchmark reads, the same
// bytes on every run:
//   gen95_hard.txt    the 95 hardest of many random minimal puzzles, the
//                     hardest of them made harder by moving givens
//   gen95_refute.txt  95 of those with one given changed so that there is
//                     no solution, picked where proving that costs most
// "Hard" is the number of guesses the test oracle's plain backtracking
// counter (SolverChecks.h; naked and hidden singles, fewest candidates
// first) needs to count to two, or to exhaust the tree when there is no
// solution. That measure belongs to no solver under test, so the sets do
// not favour the engine.
//
// Usage: make_solver_sets <output directory> [candidates [climb steps]]
#include "PuzzleMaker.h"
#include "SolverChecks.h"
#include "solver/Engine.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// Guesses the plain counter with singles needs to count to limit.
long guessesToCount(const engine::Grid &puzzle, int limit)
{
    solverchecks::Counter counter(puzzle);
    counter.count(limit, true);
    return counter.guesses();
}

struct Scored {
    long guesses;
    int index;
    engine::Grid puzzle;
};

// Hardest first; ties in the order made.
void rank(std::vector<Scored> &v)
{
    std::stable_sort(v.begin(), v.end(), [](const Scored &a, const Scored &b) { return a.guesses > b.guesses; });
}

std::string line(const engine::Grid &g)
{
    std::string s(81, '.');
    for (int i = 0; i < 81; ++i)
        if (g[static_cast<size_t>(i)])
            s[static_cast<size_t>(i)] = static_cast<char>('0' + g[static_cast<size_t>(i)]);
    return s + '\n';
}

bool write(const QString &path, const std::vector<Scored> &v, std::size_t n)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (std::size_t k = 0; k < n && k < v.size(); ++k)
        f.write(line(v[k].puzzle).c_str());
    return true;
}

engine::Grid gridOf(const QString &s) { return engine::parse(s); }

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_solver_sets <dir> [candidates [climb steps]]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const int candidates = argc > 2 ? std::max(100, std::atoi(argv[2])) : 5000;
    const int climbed = 120, climbSteps = argc > 3 ? std::atoi(argv[3]) : 20000;
    std::mt19937 rng(95);

    // Minimal puzzles: remove cells in a random order while one solution
    // remains.
    std::vector<Scored> hard;
    for (int k = 0; k < candidates; ++k) {
        engine::Grid p = gridOf(puzzlemaker::randomGrid(rng));
        std::array<int, 81> order{};
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        for (int i : order) {
            const std::uint8_t keep = p[static_cast<size_t>(i)];
            p[static_cast<size_t>(i)] = 0;
            if (engine::count(p, 2) != 1)
                p[static_cast<size_t>(i)] = keep;
        }
        hard.push_back({guessesToCount(p, 2), k, p});
    }
    rank(hard);

    // Hill-climb the hardest: move one given to another cell of the same
    // solution, and keep the move when the puzzle stays unique and gets no
    // easier.
    for (std::size_t k = 0; k < hard.size() && k < static_cast<std::size_t>(climbed); ++k) {
        Scored &cur = hard[k];
        const engine::Grid solution = engine::solve(cur.puzzle, 1).first;
        for (int step = 0; step < climbSteps; ++step) {
            engine::Grid q = cur.puzzle;
            const int from = static_cast<int>(rng() % 81), to = static_cast<int>(rng() % 81);
            if (!q[static_cast<size_t>(from)] || q[static_cast<size_t>(to)])
                continue;
            q[static_cast<size_t>(from)] = 0;
            q[static_cast<size_t>(to)] = solution[static_cast<size_t>(to)];
            if (engine::count(q, 2) != 1)
                continue;
            const long guesses = guessesToCount(q, 2);
            if (guesses >= cur.guesses)
                cur = {guesses, cur.index, q};
        }
    }
    rank(hard);

    // Changed givens: every other digit that no given peer holds; keep each
    // puzzle's costliest variant without a solution.
    std::vector<Scored> refute;
    for (std::size_t k = 0; k < hard.size() && k < 300; ++k) {
        Scored best{-1, hard[k].index, {}};
        const engine::Grid &p = hard[k].puzzle;
        for (int i = 0; i < 81; ++i) {
            if (!p[static_cast<size_t>(i)])
                continue;
            for (int d = 1; d <= 9; ++d) {
                engine::Grid q = p;
                q[static_cast<size_t>(i)] = static_cast<std::uint8_t>(d);
                if (d == p[static_cast<size_t>(i)] || !engine::consistent(q) || engine::count(q, 1) != 0)
                    continue;
                const long guesses = guessesToCount(q, 1);
                if (guesses > best.guesses)
                    best = {guesses, hard[k].index, q};
            }
        }
        if (best.guesses >= 0)
            refute.push_back(best);
    }
    rank(refute);

    if (!write(dir + QStringLiteral("/gen95_hard.txt"), hard, 95)
        || !write(dir + QStringLiteral("/gen95_refute.txt"), refute, 95)) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    std::printf("hard: guesses %ld..%ld; refute: %zu puzzles, guesses %ld..%ld\n", hard[94].guesses, hard[0].guesses,
                refute.size(), refute.size() >= 95 ? refute[94].guesses : 0L, refute.empty() ? 0L : refute[0].guesses);
    return 0;
}
