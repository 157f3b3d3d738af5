// Writes the two generated puzzle sets the solver benchmark reads, the same
// bytes on every run:
//   gen95_hard.txt    the 95 hardest of many random minimal puzzles, the
//                     hardest of them made harder by moving givens
//   gen95_refute.txt  95 of those with one given changed so that there is
//                     no solution, picked where proving that costs most
// "Hard" is the number of guesses a plain backtracking counter (naked and
// hidden singles, fewest candidates first) needs to count to two, or to
// exhaust the tree when there is no solution. That measure belongs to no
// solver under test, so the sets do not favour the engine.
//
// Usage: make_solver_sets <output directory> [candidates [climb steps]]
#include "PuzzleMaker.h"
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

bool peers(int a, int b)
{
    return a != b && (a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && (a % 9) / 3 == (b % 9) / 3));
}

// Plain counter: naked and hidden singles, then a guess on the cell with
// the fewest candidates.
struct Plain {
    std::array<std::array<int, 20>, 81> peer{};
    std::array<std::array<int, 9>, 27> unit{};
    long guesses = 0;

    Plain()
    {
        for (int a = 0; a < 81; ++a) {
            int n = 0;
            for (int b = 0; b < 81; ++b)
                if (peers(a, b))
                    peer[static_cast<size_t>(a)][static_cast<size_t>(n++)] = b;
        }
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j) {
                unit[static_cast<size_t>(i)][static_cast<size_t>(j)] = i * 9 + j;
                unit[static_cast<size_t>(9 + i)][static_cast<size_t>(j)] = j * 9 + i;
                unit[static_cast<size_t>(18 + i)][static_cast<size_t>(j)] = ((i / 3) * 3 + j / 3) * 9 + (i % 3) * 3 + j % 3;
            }
    }

    // Solutions up to limit; guesses counts every branch tried.
    int count(const engine::Grid &g, int limit)
    {
        guesses = 0;
        int found = 0;
        run(g, limit, found);
        return found;
    }

    // Fills singles; false on a contradiction.
    bool settle(engine::Grid &g) const
    {
        for (bool again = true; again;) {
            again = false;
            for (int i = 0; i < 81; ++i) {
                if (g[static_cast<size_t>(i)])
                    continue;
                const unsigned o = options(g, i);
                if (!o)
                    return false;
                if (!(o & (o - 1))) {
                    g[static_cast<size_t>(i)] = static_cast<std::uint8_t>(__builtin_ctz(o));
                    again = true;
                }
            }
            for (const auto &u : unit)
                for (int d = 1; d <= 9; ++d) {
                    int where = -1, places = 0;
                    for (int i : u) {
                        if (g[static_cast<size_t>(i)] == d) {
                            places = -1;
                            break;
                        }
                        if (!g[static_cast<size_t>(i)] && (options(g, i) >> d & 1u)) {
                            where = i;
                            ++places;
                        }
                    }
                    if (places == 0)
                        return false;
                    if (places == 1) {
                        g[static_cast<size_t>(where)] = static_cast<std::uint8_t>(d);
                        again = true;
                    }
                }
        }
        return true;
    }

    unsigned options(const engine::Grid &g, int i) const
    {
        unsigned used = 0;
        for (int p : peer[static_cast<size_t>(i)])
            used |= 1u << g[static_cast<size_t>(p)];
        return ~used & 0x3FEu;
    }

    void run(engine::Grid g, int limit, int &found)
    {
        if (!settle(g) || !engine::consistent(g))
            return;
        int best = -1, fewest = 10;
        unsigned bestOptions = 0;
        for (int i = 0; i < 81 && fewest > 2; ++i) {
            if (g[static_cast<size_t>(i)])
                continue;
            const unsigned o = options(g, i);
            const int n = __builtin_popcount(o);
            if (n < fewest) {
                best = i;
                fewest = n;
                bestOptions = o;
            }
        }
        if (best < 0) {
            ++found;
            return;
        }
        for (int d = 1; d <= 9 && found < limit; ++d)
            if (bestOptions & (1u << d)) {
                ++guesses;
                g[static_cast<size_t>(best)] = static_cast<std::uint8_t>(d);
                run(g, limit, found);
            }
    }
};

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
    Plain naive;

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
        naive.count(p, 2);
        hard.push_back({naive.guesses, k, p});
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
            naive.count(q, 2);
            if (naive.guesses >= cur.guesses)
                cur = {naive.guesses, cur.index, q};
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
                naive.count(q, 1);
                if (naive.guesses > best.guesses)
                    best = {naive.guesses, hard[k].index, q};
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
