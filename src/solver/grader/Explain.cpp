#include "solver/grader/Explain.h"

#include "solver/grader/Board.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace grader {

namespace {

constexpr int kCount = static_cast<int>(Technique::Count);

const std::array<const char *, kCount> kTitles = {
    "Hidden single",
    "Naked single",
    "Locked candidates (pointing)",
    "Locked candidates (claiming)",
    "Naked pair",
    "Hidden pair",
    "Naked triple",
    "Hidden triple",
    "X-Wing",
    "Skyscraper",
    "2-String Kite",
    "XY-Wing",
    "W-Wing",
    "XYZ-Wing",
    "Naked quad",
    "Hidden quad",
    "Swordfish",
    "Simple colouring",
    "Unique rectangle",
    "BUG+1",
    "Jellyfish",
    "X-Cycle",
    "XY-Chain",
    "3D Medusa",
    "Alternating inference chain",
    "Grouped alternating inference chain",
};

// The tool's words: the grader's names, but one word for both kinds of
// locked candidates and no "+" in a word.
const char *toolWord(Technique t)
{
    switch (t) {
    case Technique::Pointing:
    case Technique::Claiming:
        return "locked-candidates";
    case Technique::BugPlusOne:
        return "bug-plus-one";
    default:
        return info(t).name;
    }
}

QString num(int n) { return QString::number(n); }

std::vector<int> sorted(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

QString unitName(int u)
{
    static const char *kinds[] = {"row", "column", "box"};
    return QStringLiteral("%1 %2").arg(QLatin1String(kinds[u / 9])).arg(u % 9 + 1);
}

QString capitalised(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

// "a", "a and b", "a, b and c" (or "or").
QString joined(const QStringList &items, const char *conjunction = "and")
{
    if (items.size() <= 1)
        return items.value(0);
    return QStringLiteral("%1 %2 %3")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), QLatin1String(conjunction), items.last());
}

QString cells(const std::vector<int> &list, const char *conjunction = "and")
{
    QStringList items;
    for (int c : list)
        items << cellName(c);
    return joined(items, conjunction);
}

QString cells(const CellSet &set, const char *conjunction = "and")
{
    std::vector<int> list;
    set.forEach([&](int c) { list.push_back(c); });
    return cells(list, conjunction);
}

QString digits(const std::vector<int> &list, const char *conjunction = "and")
{
    QStringList items;
    for (int d : list)
        items << num(d);
    return joined(items, conjunction);
}

QString units(const std::vector<int> &list)
{
    // "rows 2 and 7" when all are of one kind.
    static const char *plural[] = {"rows", "columns", "boxes"};
    QStringList items;
    for (int u : list)
        items << num(u % 9 + 1);
    if (list.size() == 1)
        return unitName(list.front());
    return QStringLiteral("%1 %2").arg(QLatin1String(plural[list.front() / 9]), joined(items));
}

// "Remove 4 from A and B, and 6 from C." Digits struck from the same
// cells go together.
QString removals(const std::vector<CellDigit> &changes)
{
    std::vector<std::pair<std::vector<int>, std::vector<int>>> groups; // cells, digits
    for (int d = 1; d <= 9; ++d) {
        std::vector<int> where;
        for (const CellDigit &cd : changes)
            if (cd.digit == d)
                where.push_back(cd.cell);
        if (where.empty())
            continue;
        std::sort(where.begin(), where.end());
        auto same = std::find_if(groups.begin(), groups.end(), [&](const auto &g) { return g.first == where; });
        if (same == groups.end())
            groups.push_back({where, {d}});
        else
            same->second.push_back(d);
    }
    QStringList parts;
    for (const auto &g : groups)
        parts << QStringLiteral("%1 from %2").arg(digits(g.second), cells(g.first));
    if (parts.size() > 1)
        parts = QStringList{parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(", and ") +
                            parts.last()};
    return QStringLiteral("Remove %1.").arg(parts.value(0));
}

// "the 5 in row 1, column 2", or for a group "the 5 in row 1, column 2 or row 1, column 3".
QString node(const Trace::Node &n) { return QStringLiteral("the %1 in %2").arg(n.digit).arg(cells(n.cells, "or")); }

QString describe(Technique t, const Trace &tr, const ExplainStep &step, const Board &before)
{
    const std::vector<CellDigit> &ch = step.changes;
    const QString remove = step.place ? QString() : removals(ch);
    const std::vector<int> &c = tr.cells;
    const int d = tr.digits.empty() ? 0 : tr.digits.front();
    auto cell = [&](std::size_t i) { return cellName(c[i]); };
    auto mask = [&](std::size_t i, const char *conj) {
        std::vector<int> list;
        forEachDigit(before.cand[static_cast<std::size_t>(c[i])], [&](int x) { list.push_back(x); });
        return digits(list, conj);
    };
    if (c.empty() && tr.chain.empty())
        return QStringLiteral("%1 shows it. %2").arg(QString::fromLatin1(kTitles[static_cast<std::size_t>(t)]), remove);
    switch (t) {
    case Technique::HiddenSingle:
        return QStringLiteral("In %1, the %2 can only go in %3. Place %2 there.")
            .arg(unitName(tr.units.front()))
            .arg(d)
            .arg(cell(0));
    case Technique::NakedSingle: {
        Mask seen = 0;
        tables().peerSet[static_cast<std::size_t>(c[0])].forEach([&](int p) {
            if (const int v = before.value[static_cast<std::size_t>(p)])
                seen |= bit(v);
        });
        const bool byDigits = (seen | bit(d)) == 0x1FF;
        return QStringLiteral("%1 can only hold %2: every other digit is %3. Place %2 there.")
            .arg(capitalised(cell(0)))
            .arg(d)
            .arg(byDigits ? QStringLiteral("already in its row, column or box")
                          : QStringLiteral("in its row, column or box or ruled out by the steps before"));
    }
    case Technique::Pointing:
    case Technique::Claiming:
        return QStringLiteral("In %1, the %2 can only go in %3, %4 in %5, so no other cell of %5 can hold %2. %6")
            .arg(unitName(tr.units[0]))
            .arg(d)
            .arg(cells(c, "or"), QLatin1String(c.size() == 2 ? "both" : "all"), unitName(tr.units[1]), remove);
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return QStringLiteral("%1 hold only %2 between them, so no other cell of %3 can hold %4. %5")
            .arg(capitalised(cells(c)), digits(tr.digits), unitName(tr.units[0]), digits(tr.digits, "or"), remove);
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return QStringLiteral("In %1, the %2 can only go in %3, so those cells can hold nothing else. %4")
            .arg(unitName(tr.units[0]), digits(tr.digits), cells(c), remove);
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish: {
        const std::size_t k = tr.units.size() / 2;
        const std::vector<int> base(tr.units.begin(), tr.units.begin() + static_cast<std::ptrdiff_t>(k));
        const std::vector<int> cover(tr.units.begin() + static_cast<std::ptrdiff_t>(k), tr.units.end());
        return QStringLiteral("In %1, the %2 can only go in %3, at %4, so %3 get their %2s in these %5. %6")
            .arg(units(base))
            .arg(d)
            .arg(units(cover), cells(c), QLatin1String(tr.kind ? "columns" : "rows"), remove);
    }
    case Technique::Skyscraper:
    case Technique::TwoStringKite:
        return QStringLiteral("In %1 the %2 can only go in %3 or %4, and in %5 only in %6 or %7; as %3 and %6 "
                              "share %8, %4 or %7 holds the %2, so no cell that sees both can. %9")
            .arg(unitName(tr.units[0]))
            .arg(d)
            .arg(cell(0), cell(1), unitName(tr.units[1]), cell(2), cell(3), unitName(tr.units[2]), remove);
    case Technique::SimpleColouring:
        return QStringLiteral("Following the %1 through the units where it has only two places colours %2 against "
                              "%3, and one colour holds all the %1s; %4. %5")
            .arg(d)
            .arg(cells(c), cells(tr.others),
                 tr.kind ? QStringLiteral("a cell that sees both colours cannot hold %1").arg(d)
                         : QStringLiteral("two cells of the first colour share a unit, so that colour holds no %1")
                               .arg(d),
                 remove);
    case Technique::XYWing:
        return QStringLiteral("%1 holds only %2 and sees %3, holding %4, and %5, holding %6: ")
                   .arg(capitalised(cell(0)), mask(0, "and"), cell(1), mask(1, "or"), cell(2), mask(2, "or")) +
               QStringLiteral("whichever digit %1 takes, %2 or %3 is %4, so no cell that sees both can be. ")
                   .arg(cell(0), cell(1), cell(2), num(d)) +
               remove;
    case Technique::XYZWing:
        return QStringLiteral("%1 holds only %2 and sees %3, holding %4, and %5, holding %6: one of the three is "
                              "%7, so no cell that sees all three can be. %8")
            .arg(capitalised(cell(0)), mask(0, "and"), cell(1), mask(1, "or"), cell(2), mask(2, "or"))
            .arg(d)
            .arg(remove);
    case Technique::WWing:
        return QStringLiteral("%1 and %2 hold only %3; in %4 the %5 can only go in %6 or %7, one seeing each, "
                              "so one of %8 and %2 is %9 and no cell that sees both can be. ")
                   .arg(capitalised(cell(0)), cell(1), digits(sorted(tr.digits)), unitName(tr.units[0]))
                   .arg(tr.digits[1])
                   .arg(cellName(tr.others[0]), cellName(tr.others[1]), cell(0))
                   .arg(tr.digits[0])
               + remove;
    case Technique::UniqueRectangle: {
        const QString ab = digits(sorted({tr.digits[0], tr.digits[1]}));
        const QString corners = cells(c);
        if (tr.kind == 1)
            return QStringLiteral("%1, %2 and %3 hold only %4; if %5 were %6, the four corners could swap their "
                                  "digits and the puzzle would have two solutions. %7")
                .arg(capitalised(cell(0)), cell(1), cell(2), ab, cell(3), digits({tr.digits[0], tr.digits[1]}, "or"),
                     remove);
        if (tr.kind == 2)
            return QStringLiteral("%1 and %2 hold only %3, and %4 and %5 only those and %6; without the %6 the "
                                  "rectangle's %3 could swap, giving two solutions, so %4 or %5 is %6. %7")
                .arg(capitalised(cell(0)), cell(1), ab, cell(2), cell(3))
                .arg(tr.digits[2])
                .arg(remove);
        return QStringLiteral("%1 and %2 hold only %3, and in %4 the %5 can only go in %6 or %7; if either of those "
                              "were %8, the rectangle's %3 could swap, giving two solutions. %9")
            .arg(capitalised(cell(0)), cell(1), ab, unitName(tr.units[0]))
            .arg(tr.digits[0])
            .arg(cell(2), cell(3))
            .arg(tr.digits[1])
            .arg(remove);
    }
    case Technique::BugPlusOne:
        return QStringLiteral("Every open cell but %1 holds two candidates, and every digit has two places in each "
                              "unit but the %2 around it; without %2 there the board would have two solutions. "
                              "Place %2 there.")
            .arg(cell(0))
            .arg(d);
    case Technique::XCycle:
    case Technique::XYChain:
    case Technique::AIC:
    case Technique::GroupedAIC: {
        if (tr.chain.empty())
            break;
        std::vector<int> through;
        for (const Trace::Node &n : tr.chain)
            n.cells.forEach([&](int x) {
                if (std::find(through.begin(), through.end(), x) == through.end())
                    through.push_back(x);
            });
        const Trace::Node &first = tr.chain.front(), &last = tr.chain.back();
        if (first.digit == last.digit && first.cells == last.cells) // a loop back to its start
            return QStringLiteral("A chain of %1 links through %2 shows that %3 is true, so no candidate that "
                                  "conflicts with it can be. %4")
                .arg(tr.kind)
                .arg(cells(through), node(first), remove);
        return QStringLiteral("A chain of %1 links through %2 shows that %3 or %4 is true, so no candidate that "
                              "conflicts with both can be. %5")
            .arg(tr.kind)
            .arg(cells(through), node(tr.chain.front()), node(tr.chain.back()), remove);
    }
    case Technique::Medusa3D: {
        std::vector<int> all = c;
        all.insert(all.end(), tr.others.begin(), tr.others.end());
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        const QString where = all.size() <= 6 ? cells(all) : QStringLiteral("%1 cells").arg(all.size());
        return QStringLiteral("Colouring the candidates of %1 along strong links (two places in a unit, two "
                              "candidates in a cell) gives two colours, one of them all true; %2. %3")
            .arg(where,
                 tr.kind ? QStringLiteral("a candidate that sees both colours, shares a cell with one and sees "
                                          "the other, or shares a cell with both, is false")
                         : QStringLiteral("the first colour breaks a rule of Sudoku, so its candidates are false"),
                 remove);
    }
    default:
        break;
    }
    return QStringLiteral("%1 shows it. %2").arg(QString::fromLatin1(kTitles[static_cast<std::size_t>(t)]), remove);
}

bool clash(const engine::Grid &placed, QString &message)
{
    for (int u = 0; u < 27; ++u) {
        Mask seen = 0;
        for (std::uint8_t c : tables().unitCells[static_cast<std::size_t>(u)]) {
            const int d = placed[c];
            if (!d)
                continue;
            if (seen & bit(d)) {
                message = QStringLiteral("Two %1s share %2: remove one of them.").arg(d).arg(unitName(u));
                return true;
            }
            seen |= bit(d);
        }
    }
    return false;
}

// The step that took `before` to `after`: the one placement, or every
// candidate struck.
ExplainStep stepBetween(Technique t, const Board &before, const Board &after)
{
    ExplainStep s;
    s.technique = t;
    s.title = QString::fromLatin1(kTitles[static_cast<std::size_t>(t)]);
    for (int c = 0; c < 81; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (!before.value[i] && after.value[i]) {
            s.place = true;
            s.changes = {{c, after.value[i]}};
            return s;
        }
    }
    for (int c = 0; c < 81; ++c) {
        const auto i = static_cast<std::size_t>(c);
        forEachDigit(static_cast<Mask>(before.cand[i] & ~after.cand[i]), [&](int d) { s.changes.push_back({c, d}); });
    }
    return s;
}

// For a single, the placed digits that rule out the other places: the
// framed cells then show at a glance why only one place is left.
void addWitnesses(Technique t, const Trace &tr, const Board &before, std::vector<int> &pattern)
{
    if (tr.cells.empty() || tr.digits.empty())
        return;
    const int target = tr.cells.front();
    const int d = tr.digits.front();
    if (t == Technique::HiddenSingle && !tr.units.empty()) {
        // Every d already placed that sees an open cell of the unit.
        for (std::uint8_t x : tables().unitCells[static_cast<std::size_t>(tr.units.front())]) {
            if (x == target || before.value[x])
                continue;
            tables().peerSet[x].forEach([&](int p) {
                if (before.value[static_cast<std::size_t>(p)] == d)
                    pattern.push_back(p);
            });
        }
    } else if (t == Technique::NakedSingle) {
        // One placed peer for each other digit.
        Mask shown = bit(d);
        tables().peerSet[static_cast<std::size_t>(target)].forEach([&](int p) {
            const int v = before.value[static_cast<std::size_t>(p)];
            if (v && !(shown & bit(v))) {
                shown = static_cast<Mask>(shown | bit(v));
                pattern.push_back(p);
            }
        });
    }
}

bool agrees(const ExplainStep &s, const engine::Grid &solution)
{
    for (const CellDigit &cd : s.changes)
        if ((solution[static_cast<std::size_t>(cd.cell)] == cd.digit) != s.place)
            return false;
    return !s.changes.empty();
}

} // namespace

QString cellName(int cell)
{
    return QStringLiteral("row %1, column %2").arg(rowOf(cell) + 1).arg(colOf(cell) + 1);
}

QString ExplainStep::toolLine() const
{
    QString line = QLatin1String(toolWord(technique)) + (place ? QLatin1String(" place") : QLatin1String(" remove"));
    std::vector<CellDigit> sorted = changes;
    std::sort(sorted.begin(), sorted.end(),
              [](const CellDigit &a, const CellDigit &b) { return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit; });
    for (const CellDigit &cd : sorted)
        line += QStringLiteral(" r%1c%2%3%4")
                    .arg(rowOf(cd.cell) + 1)
                    .arg(colOf(cd.cell) + 1)
                    .arg(place ? QLatin1Char('=') : QLatin1Char('-'))
                    .arg(cd.digit);
    return line;
}

Explanation explainNext(const engine::Grid &given, const engine::Grid *solution)
{
    // Anything but 1..9 is a blank.
    engine::Grid placed = given;
    for (std::uint8_t &v : placed)
        if (v > 9)
            v = 0;
    Explanation e;
    if (solution)
        for (int c = 0; c < 81; ++c) {
            const int d = placed[static_cast<std::size_t>(c)];
            if (d && d != (*solution)[static_cast<std::size_t>(c)]) {
                e.state = ExplainState::WrongDigit;
                e.wrong = {c, d};
                e.message = QStringLiteral("The %1 in %2 is not part of the solution.").arg(d).arg(cellName(c));
                return e;
            }
        }
    if (clash(placed, e.message)) {
        e.state = ExplainState::Clash;
        return e;
    }
    if (!solution) {
        e.state = ExplainState::NoSolution;
        e.message = QStringLiteral("This puzzle has no single known solution, so there is no next step to explain.");
        return e;
    }
    if (std::find(placed.begin(), placed.end(), 0) == placed.end()) {
        e.state = ExplainState::Finished;
        e.message = QStringLiteral("The board is complete: there is nothing to explain.");
        return e;
    }
    e.state = ExplainState::Stuck;
    e.message = QStringLiteral("None of the techniques this game knows can place a digit from here.");
    Board board;
    // Only wrong digits empty a cell, and those were caught above.
    if (!board.setPuzzle(placed) || !board.consistent())
        return e;
    // Each step strikes at least one of the 729 candidates.
    for (bool progress = true; progress;) {
        progress = false;
        for (int i = 0; i < kCount && !progress; ++i) {
            const Technique t = static_cast<Technique>(i);
            Board next = board;
            Trace trace;
            next.trace = &trace;
            int extra = 0;
            if (!info(t).apply(next, extra))
                continue;
            next.trace = nullptr;
            ExplainStep step = stepBetween(t, board, next);
            // Never show a step that contradicts the solution.
            if (!agrees(step, *solution))
                return e;
            step.pattern = trace.cells;
            step.pattern.insert(step.pattern.end(), trace.others.begin(), trace.others.end());
            for (const Trace::Node &n : trace.chain)
                n.cells.forEach([&](int c) { step.pattern.push_back(c); });
            addWitnesses(t, trace, board, step.pattern);
            std::sort(step.pattern.begin(), step.pattern.end());
            step.pattern.erase(std::unique(step.pattern.begin(), step.pattern.end()), step.pattern.end());
            step.text = describe(t, trace, step, board);
            e.steps.push_back(step);
            if (step.place) {
                e.state = ExplainState::Steps;
                e.message.clear();
                return e;
            }
            board = next;
            progress = true;
        }
    }
    return e;
}

} // namespace grader
