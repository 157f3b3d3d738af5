#pragma once

#include "solver/Engine.h"
#include "solver/grader/BankEntry.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

// The bank generator: random full grids, clue removal that keeps the
// solution unique, grading, and filling each level. Candidate k of a run
// depends only on the seed and k, and candidates are taken in the order
// of k, so a seed gives the same bank bit for bit with any thread count.
namespace grader {

using Bank = std::array<QStringList, 5>;

struct GeneratorOptions {
    std::uint64_t seed = 1;
    int perLevel = 500;
    int threads = 2;
    // Called now and then with the entries so far per level and the
    // candidates examined.
    std::function<void(const std::array<int, 5> &filled, long examined)> progress;
};

// Givens per level that the bank accepts: Very Easy keeps many givens and
// Gentle clearly fewer, so the two do not blur into each other.
constexpr int kBankMinGivens = 17, kBankMaxGivens = 52;
constexpr int kVeryEasyMinGivens = 34, kVeryEasyMaxGivens = 40, kGentleMaxGivens = 30;

// A random complete grid.
engine::Grid randomGrid(std::uint64_t seed);

// Removes cells of the grid in a random order while the puzzle keeps one
// solution, stopping at `floor` givens (0: until no cell can go).
engine::Grid removeClues(const engine::Grid &solution, std::uint64_t seed, int floor);

// Generates a whole bank; the lists are shorter than perLevel only when the
// candidate budget ran out (which would be a fault of the generator).
Bank generateBank(const GeneratorOptions &options);

// Writes one file, each line followed by CR LF: the whole file in place of
// any earlier one, or nothing (keeping the earlier one). False with the
// reason on failure.
using BankFileWriter = std::function<bool(const QString &path, const QStringList &lines, QString *error)>;

// Writes "tk0.txt".."tk4.txt" into dir, one level a file, in that order,
// each through write. On the first failure stops and gives false with a
// message naming that file.
bool writeBank(const Bank &bank, const QString &dir, const BankFileWriter &write, QString *error);

} // namespace grader
