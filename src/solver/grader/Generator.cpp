#include "solver/grader/Generator.h"

#include "base/Geometry.h"
#include "solver/grader/BankRandom.h"
#include "solver/grader/Grader.h"

#include <QDir>
#include <QSet>

#include <atomic>
#include <numeric>
#include <thread>
#include <vector>

namespace grader {

namespace {

struct Filler {
    BankRandom &rng;
    engine::Grid grid{};
    unsigned row[9] = {}, col[9] = {}, box[9] = {};

    bool fill(int cell)
    {
        if (cell == 81)
            return true;
        const int r = geometry::rowOf(cell), c = geometry::colOf(cell), b = geometry::boxOf(cell);
        int digits[9];
        std::iota(digits, digits + 9, 1);
        for (int i = 8; i > 0; --i)
            std::swap(digits[i], digits[rng.below(i + 1)]);
        for (int d : digits) {
            const unsigned m = 1u << d;
            if ((row[r] | col[c] | box[b]) & m)
                continue;
            row[r] |= m;
            col[c] |= m;
            box[b] |= m;
            grid[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(d);
            if (fill(cell + 1))
                return true;
            row[r] &= ~m;
            col[c] &= ~m;
            box[b] &= ~m;
        }
        grid[static_cast<std::size_t>(cell)] = 0;
        return false;
    }
};

std::uint64_t candidateSeed(std::uint64_t seed, int kind, long k)
{
    BankRandom mix(seed ^ (static_cast<std::uint64_t>(kind) << 62) ^ (static_cast<std::uint64_t>(k) * 0xD1B54A32D192ED03ull));
    return mix.next();
}

struct Candidate {
    int level = -1; // -1: rejected
    int givens = 0;
    QString entry;
};

// kind 0: a Very Easy candidate, cut down to a random count of many
// givens; kind 1: a minimal puzzle, graded for whatever level it has.
Candidate makeCandidate(std::uint64_t seed, int kind, long k)
{
    BankRandom rng(candidateSeed(seed, kind, k));
    const engine::Grid solution = randomGrid(rng.next());
    Candidate out;
    if (kind == 0) {
        const int target = kVeryEasyMinGivens + rng.below(kVeryEasyMaxGivens - kVeryEasyMinGivens + 1);
        const engine::Grid puzzle = removeClues(solution, rng.next(), target);
        const Grade g = gradeProper(puzzle, 1);
        if (g.level == 0 && g.givens >= kVeryEasyMinGivens) {
            out.level = 0;
            out.givens = g.givens;
            out.entry = bankEntry(puzzle, solution);
        }
        return out;
    }
    const engine::Grid puzzle = removeClues(solution, rng.next(), 0);
    const Grade g = gradeProper(puzzle);
    const bool fits = g.level >= 1 && g.level <= 4 && g.givens >= kBankMinGivens && g.givens <= kBankMaxGivens &&
                      (g.level != 1 || g.givens <= kGentleMaxGivens);
    if (fits) {
        out.level = g.level;
        out.givens = g.givens;
        out.entry = bankEntry(puzzle, solution);
    }
    return out;
}

} // namespace

engine::Grid randomGrid(std::uint64_t seed)
{
    BankRandom rng(seed);
    Filler f{rng};
    f.fill(0);
    return f.grid;
}

engine::Grid removeClues(const engine::Grid &solution, std::uint64_t seed, int floor)
{
    BankRandom rng(seed);
    int order[81];
    std::iota(order, order + 81, 0);
    for (int i = 80; i > 0; --i)
        std::swap(order[i], order[rng.below(i + 1)]);
    engine::Grid puzzle = solution;
    int givens = 0;
    for (std::uint8_t v : puzzle)
        givens += v != 0;
    for (int cell : order) {
        if (givens <= floor)
            break;
        const std::uint8_t kept = puzzle[static_cast<std::size_t>(cell)];
        if (!kept)
            continue;
        puzzle[static_cast<std::size_t>(cell)] = 0;
        if (engine::count(puzzle, 2) == 1)
            --givens;
        else
            puzzle[static_cast<std::size_t>(cell)] = kept;
    }
    return puzzle;
}

Bank generateBank(const GeneratorOptions &options)
{
    Bank bank;
    QSet<QString> seen;
    std::array<int, 5> filled{};
    long examined = 0;
    const int threads = options.threads < 1 ? 1 : options.threads;
    constexpr int batch = 64;
    constexpr long budget = 4'000'000; // far beyond what a bank needs
    for (int kind = 0; kind < 2; ++kind) {
        auto full = [&] {
            if (kind == 0)
                return filled[0] >= options.perLevel;
            for (int l = 1; l <= 4; ++l)
                if (filled[static_cast<std::size_t>(l)] < options.perLevel)
                    return false;
            return true;
        };
        for (long base = 0; !full() && base < budget; base += batch) {
            std::vector<Candidate> results(batch);
            std::atomic<int> nextIndex{0};
            auto work = [&] {
                for (int i; (i = nextIndex++) < batch;)
                    results[static_cast<std::size_t>(i)] = makeCandidate(options.seed, kind, base + i);
            };
            std::vector<std::thread> pool;
            for (int t = 1; t < threads; ++t)
                pool.emplace_back(work);
            work();
            for (auto &th : pool)
                th.join();
            // Taken strictly in candidate order: the bank does not depend on
            // which thread finished first.
            for (const Candidate &c : results) {
                ++examined;
                if (c.level < 0)
                    continue;
                auto &list = bank[static_cast<std::size_t>(c.level)];
                if (list.size() >= options.perLevel || seen.contains(c.entry))
                    continue;
                seen.insert(c.entry);
                list.append(c.entry);
                filled[static_cast<std::size_t>(c.level)] = static_cast<int>(list.size());
            }
            if (options.progress)
                options.progress(filled, examined);
        }
    }
    return bank;
}

bool writeBank(const Bank &bank, const QString &dir, const BankFileWriter &write, QString *error)
{
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = QStringLiteral("cannot create directory %1").arg(dir);
        return false;
    }
    for (int level = 0; level < 5; ++level) {
        const QString path = QDir(dir).filePath(QStringLiteral("tk%1.txt").arg(level));
        QString why;
        if (!write(path, bank[static_cast<std::size_t>(level)], &why)) {
            if (error)
                *error = QStringLiteral("cannot write %1: %2").arg(path, why);
            return false;
        }
    }
    return true;
}

} // namespace grader
