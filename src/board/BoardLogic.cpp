#include "board/BoardLogic.h"

namespace boardlogic {

namespace {

// The peer table as ints, the type the board's callers index with.
constexpr std::array<std::array<int, 20>, 81> kPeersInt = [] {
    std::array<std::array<int, 20>, 81> table{};
    for (std::size_t i = 0; i < 81; ++i)
        for (std::size_t n = 0; n < 20; ++n)
            table[i][n] = geometry::kPeerCells[i][n];
    return table;
}();

inline int index(int row, int col) { return geometry::boardIndex(row, col); }

// Bit d set for every digit character '1'..'9' in s.
inline unsigned digitBits(const QString &s)
{
    unsigned bits = 0;
    for (QChar ch : s)
        if (const int d = digitOf(ch))
            bits |= 1u << d;
    return bits;
}

inline QString digitsOf(unsigned bits)
{
    QString out;
    out.reserve(9);
    for (int d = 1; d <= 9; ++d)
        if (bits & (1u << d))
            out.append(QChar(u'0' + d));
    return out;
}

} // namespace

const std::array<std::array<int, 20>, 81> &peers() { return kPeersInt; }

int placedDigit(const CellData &cell)
{
    return cell.state == stCandidates || cell.value.size() != 1 ? 0 : digitOf(cell.value.at(0));
}

QString candidatesOf(const CellGrid &g, int row, int col)
{
    unsigned taken = 0;
    for (int p : peers()[static_cast<size_t>(index(row, col))]) {
        const CellData &peer = g[p];
        if (peer.state != stCandidates)
            taken |= digitBits(peer.value);
    }
    return digitsOf(~taken & 0x3FEu);
}

void fillCandidates(CellGrid &g, Open which)
{
    for (int i = 0; i < 81; ++i) {
        CellData &cell = g[i];
        if (cell.state == stCandidates && (which == Open::All || cell.value.isEmpty()))
            cell.value = candidatesOf(g, i / 9 + 1, i % 9 + 1);
    }
}

QString filterCandidates(const CellGrid &g, int row, int col)
{
    // Only digit characters survive into the result, so counting the
    // digits of the working string is enough to strike one per occurrence.
    int count[10] = {};
    for (QChar ch : g.at(row, col).value)
        if (const int d = digitOf(ch))
            ++count[d];
    for (int p : peers()[static_cast<size_t>(index(row, col))]) {
        const CellData &peer = g[p];
        if (peer.state == stCandidates)
            continue;
        for (QChar ch : peer.value)
            if (const int d = digitOf(ch); d && count[d] > 0)
                --count[d];
    }
    unsigned bits = 0;
    for (int d = 1; d <= 9; ++d)
        if (count[d] > 0)
            bits |= 1u << d;
    return digitsOf(bits);
}

void checkConflicts(CellGrid &g)
{
    int first = -1, second = -1;
    for (int i = 0; i < 81 && first < 0; ++i) {
        const CellData &cell = g[i];
        if (cell.state == stCandidates)
            continue;
        for (int p : peers()[static_cast<size_t>(i)]) {
            const CellData &peer = g[p];
            if (peer.state != stCandidates && peer.value == cell.value) {
                first = i;
                second = p; // the last conflicting peer in board order wins
            }
        }
    }
    for (int i = 0; i < 81; ++i)
        g[i].errflag = false;
    if (first >= 0) {
        g[first].errflag = true;
        g[second].errflag = true;
    }
}

void checkAllConflicts(CellGrid &g)
{
    for (int i = 0; i < 81; ++i) {
        g[i].errflag = false;
        if (g[i].state == stCandidates)
            continue;
        for (int p : peers()[static_cast<size_t>(i)])
            if (g[p].state != stCandidates && g[p].value == g[i].value) {
                g[i].errflag = true;
                break;
            }
    }
}

bool hasConflict(const CellGrid &g)
{
    for (int i = 0; i < 81; ++i)
        if (g[i].errflag)
            return true;
    return false;
}

int clashCount(const CellGrid &g)
{
    int count = 0;
    for (int i = 0; i < 81; ++i) {
        if (g[i].state == stCandidates)
            continue;
        for (int p : peers()[static_cast<size_t>(i)])
            if (p > i && g[p].state != stCandidates && g[p].value == g[i].value)
                ++count;
    }
    return count;
}

bool isSolved(CellGrid &g)
{
    for (int i = 0; i < 81; ++i)
        if (g[i].state == stCandidates)
            return false;
    checkConflicts(g);
    return !hasConflict(g);
}

QString givensString(const CellGrid &g)
{
    QString out;
    out.reserve(81);
    for (int i = 0; i < 81; ++i)
        out.append(g[i].state == stFixed ? g[i].value : QStringLiteral("0"));
    return out;
}

void removeFromPeers(CellGrid &g, int row, int col)
{
    const QString &v = g.at(row, col).value;
    if (v.size() != 1)
        return;
    const QChar d = v.at(0);
    for (int p : peers()[static_cast<size_t>(index(row, col))]) {
        CellData &peer = g[p];
        if (peer.state == stFixed)
            continue;
        const qsizetype at = peer.value.indexOf(d);
        if (at >= 0)
            peer.value.remove(at, 1);
    }
}

void restoreToPeers(CellGrid &g, int row, int col, const QString &digit)
{
    if (digit.isEmpty())
        return;
    for (int p : peers()[static_cast<size_t>(index(row, col))]) {
        CellData &peer = g[p];
        if (peer.state != stCandidates)
            continue;
        if (candidatesOf(g, p / 9 + 1, p % 9 + 1).contains(digit)
            && !peer.value.contains(digit))
            peer.value.append(digit);
    }
}

} // namespace boardlogic
