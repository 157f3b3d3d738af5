#include "solver/grader/Board.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

namespace grader {

// A digit with one place left in a unit. Boxes first: cross-hatching a box
// is what players spot soonest.
bool hiddenSingle(Board &b, int &)
{
    static constexpr int order[] = {18, 19, 20, 21, 22, 23, 24, 25, 26, 0, 1, 2, 3, 4, 5, 6, 7, 8,
                                    9,  10, 11, 12, 13, 14, 15, 16, 17};
    for (int u : order) {
        const auto &cells = tables().unitCells[static_cast<std::size_t>(u)];
        Mask once = 0, twice = 0;
        for (std::uint8_t c : cells) {
            twice |= once & b.cand[c];
            once |= b.cand[c];
        }
        const Mask single = static_cast<Mask>(once & ~twice);
        if (!single)
            continue;
        const int d = lowestDigit(single);
        for (std::uint8_t c : cells)
            if (b.has(c, d)) {
                if (b.trace)
                    *b.trace = SingleTrace{.cell = c, .digit = d, .unit = u};
                b.place(c, d);
                return true;
            }
    }
    return false;
}

// An open cell with one candidate left.
bool nakedSingle(Board &b, int &)
{
    for (int c = 0; c < 81; ++c) {
        const Mask m = b.cand[static_cast<std::size_t>(c)];
        if (m && !(m & (m - 1))) {
            if (b.trace)
                *b.trace = SingleTrace{.cell = c, .digit = lowestDigit(m)};
            b.place(c, lowestDigit(m));
            return true;
        }
    }
    return false;
}

// The placed digits that rule out the other places are framed too: they
// show at a glance why only one place is left.
Description describeHiddenSingle(const Trace &trace, const Board &before, const QString &)
{
    const auto &s = std::get<SingleTrace>(trace);
    Description out{QStringLiteral("In %1, the %2 can only go in %3. Place %2 there.")
                        .arg(words::unit(s.unit))
                        .arg(s.digit)
                        .arg(cellName(s.cell)),
                    {s.cell}};
    // Every such digit that sees an open cell of the unit.
    for (std::uint8_t x : tables().unitCells[static_cast<std::size_t>(s.unit)]) {
        if (x == s.cell || before.value[x])
            continue;
        tables().peerSet[x].forEach([&](int p) {
            if (before.value[static_cast<std::size_t>(p)] == s.digit)
                out.pattern.push_back(p);
        });
    }
    return out;
}

Description describeNakedSingle(const Trace &trace, const Board &before, const QString &)
{
    const auto &s = std::get<SingleTrace>(trace);
    Description out{{}, {s.cell}};
    // One placed peer for each other digit.
    Mask seen = 0, shown = bit(s.digit);
    tables().peerSet[static_cast<std::size_t>(s.cell)].forEach([&](int p) {
        const int v = before.value[static_cast<std::size_t>(p)];
        if (!v)
            return;
        seen |= bit(v);
        if (!(shown & bit(v))) {
            shown = static_cast<Mask>(shown | bit(v));
            out.pattern.push_back(p);
        }
    });
    const bool byDigits = (seen | bit(s.digit)) == 0x1FF;
    out.text = QStringLiteral("%1 can only hold %2: every other digit is %3. Place %2 there.")
                   .arg(words::capitalised(cellName(s.cell)))
                   .arg(s.digit)
                   .arg(byDigits ? QStringLiteral("already in its row, column or box")
                                 : QStringLiteral("in its row, column or box or ruled out by the steps before"));
    return out;
}

// A naked single reads its cell; a hidden one the digit in its unit.
void readsSingle(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &s = std::get<SingleTrace>(trace);
    if (s.unit < 0)
        r.setCell(s.cell);
    else
        reads::digitInUnit(r, s.unit, s.digit);
}

} // namespace grader
