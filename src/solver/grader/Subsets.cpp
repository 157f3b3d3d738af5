#include "solver/grader/Board.h"
#include "solver/grader/Combinations.h"
#include "solver/grader/Techniques.h"

namespace grader {

namespace {

// k open cells of a unit holding only k digits between them: those digits
// leave the unit's other cells.
bool naked(Board &b, int k)
{
    for (const auto &unit : tables().unitCells) {
        int cells[9], n = 0;
        for (std::uint8_t c : unit) {
            const int count = popcount(b.cand[c]);
            if (count >= 2 && count <= k)
                cells[n++] = c;
        }
        const bool found = combinations(n, k, [&](const int *idx) {
            Mask all = 0;
            for (int i = 0; i < k; ++i)
                all |= b.cand[static_cast<std::size_t>(cells[idx[i]])];
            if (popcount(all) != k)
                return false;
            bool changed = false;
            for (std::uint8_t c : unit) {
                bool inSubset = false;
                for (int i = 0; i < k; ++i)
                    inSubset |= cells[idx[i]] == c;
                if (!inSubset && (b.cand[c] & all)) {
                    b.cand[c] = static_cast<Mask>(b.cand[c] & ~all);
                    changed = true;
                }
            }
            if (changed && b.trace) {
                *b.trace = {0, {}, {}, {static_cast<int>(&unit - &tables().unitCells[0])}, {}, {}};
                for (int i = 0; i < k; ++i)
                    b.trace->cells.push_back(cells[idx[i]]);
                forEachDigit(all, [&](int d) { b.trace->digits.push_back(d); });
            }
            return changed;
        });
        if (found)
            return true;
    }
    return false;
}

// k digits of a unit confined to k cells: those cells lose every other
// candidate.
bool hidden(Board &b, int k)
{
    for (const auto &unit : tables().unitCells) {
        int digits[9], n = 0;
        unsigned where[10] = {};
        for (int d = 1; d <= 9; ++d) {
            for (int i = 0; i < 9; ++i)
                if (b.has(unit[static_cast<std::size_t>(i)], d))
                    where[d] |= 1u << i;
            const int count = std::popcount(where[d]);
            if (count >= 2 && count <= k)
                digits[n++] = d;
        }
        const bool found = combinations(n, k, [&](const int *idx) {
            unsigned places = 0;
            Mask keep = 0;
            for (int i = 0; i < k; ++i) {
                places |= where[digits[idx[i]]];
                keep |= bit(digits[idx[i]]);
            }
            if (std::popcount(places) != k)
                return false;
            bool changed = false;
            for (int i = 0; i < 9; ++i) {
                Mask &m = b.cand[unit[static_cast<std::size_t>(i)]];
                if ((places >> i & 1) && (m & ~keep)) {
                    m &= keep;
                    changed = true;
                }
            }
            if (changed && b.trace) {
                *b.trace = {0, {}, {}, {static_cast<int>(&unit - &tables().unitCells[0])}, {}, {}};
                for (int i = 0; i < 9; ++i)
                    if (places >> i & 1)
                        b.trace->cells.push_back(unit[static_cast<std::size_t>(i)]);
                forEachDigit(keep, [&](int d) { b.trace->digits.push_back(d); });
            }
            return changed;
        });
        if (found)
            return true;
    }
    return false;
}

} // namespace

bool nakedPair(Board &b, int &) { return naked(b, 2); }
bool nakedTriple(Board &b, int &) { return naked(b, 3); }
bool nakedQuad(Board &b, int &) { return naked(b, 4); }
bool hiddenPair(Board &b, int &) { return hidden(b, 2); }
bool hiddenTriple(Board &b, int &) { return hidden(b, 3); }
bool hiddenQuad(Board &b, int &) { return hidden(b, 4); }

} // namespace grader
