#include "solver/grader/Board.h"
#include "solver/grader/Combinations.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <utility>

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
                SubsetTrace t{.unit = static_cast<int>(&unit - &tables().unitCells[0])};
                for (int i = 0; i < k; ++i)
                    t.cells.push_back(cells[idx[i]]);
                forEachDigit(all, [&](int d) { t.digits.push_back(d); });
                *b.trace = std::move(t);
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
                SubsetTrace t{.unit = static_cast<int>(&unit - &tables().unitCells[0])};
                for (int i = 0; i < 9; ++i)
                    if (places >> i & 1)
                        t.cells.push_back(unit[static_cast<std::size_t>(i)]);
                forEachDigit(keep, [&](int d) { t.digits.push_back(d); });
                *b.trace = std::move(t);
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

Description describeNaked(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<SubsetTrace>(trace);
    return {QStringLiteral("%1 hold only %2 between them, so no other cell of %3 can hold %4. %5")
                .arg(words::capitalised(words::cells(t.cells)), words::digits(t.digits), words::unit(t.unit),
                     words::digits(t.digits, "or"), remove),
            t.cells};
}

Description describeHidden(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<SubsetTrace>(trace);
    return {QStringLiteral("In %1, the %2 can only go in %3, so those cells can hold nothing else. %4")
                .arg(words::unit(t.unit), words::digits(t.digits), words::cells(t.cells), remove),
            t.cells};
}

void readsNaked(const Trace &trace, const Board &, CandidateSet &r)
{
    for (int c : std::get<SubsetTrace>(trace).cells)
        r.setCell(c);
}

void readsHidden(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<SubsetTrace>(trace);
    CellSet others = tables().unitSet[static_cast<std::size_t>(t.unit)];
    for (int c : t.cells)
        others.reset(c);
    for (int d : t.digits)
        reads::digitIn(r, others, d);
}

} // namespace grader
