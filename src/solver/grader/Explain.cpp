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

[[maybe_unused]] QString cells(const CellSet &set, const char *conjunction = "and")
{
    std::vector<int> list;
    set.forEach([&](int c) { list.push_back(c); });
    return cells(list, conjunction);
}

[[maybe_unused]] QString digits(const std::vector<int> &list, const char *conjunction = "and")
{
    QStringList items;
    for (int d : list)
        items << num(d);
    return joined(items, conjunction);
}

[[maybe_unused]] QString units(const std::vector<int> &list)
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

// "Remove 4 from A and B, and 6 from C."
QString removals(const std::vector<CellDigit> &changes)
{
    QStringList parts;
    for (int d = 1; d <= 9; ++d) {
        std::vector<int> where;
        for (const CellDigit &cd : changes)
            if (cd.digit == d)
                where.push_back(cd.cell);
        if (!where.empty())
            parts << QStringLiteral("%1 from %2").arg(d).arg(cells(where));
    }
    return QStringLiteral("Remove %1.").arg(parts.size() > 1 ? parts.mid(0, parts.size() - 1).join(QStringLiteral(", "))
                                                                  + QStringLiteral(", and ") + parts.last()
                                                            : parts.value(0));
}

// The digits struck, ascending.
[[maybe_unused]] std::vector<int> struck(const std::vector<CellDigit> &changes)
{
    Mask m = 0;
    for (const CellDigit &cd : changes)
        m |= bit(cd.digit);
    std::vector<int> out;
    forEachDigit(m, [&](int d) { out.push_back(d); });
    return out;
}

QString describe(Technique t, const Trace &tr, const ExplainStep &step)
{
    const std::vector<CellDigit> &ch = step.changes;
    const QString remove = step.place ? QString() : removals(ch);
    const int d = tr.digits.empty() ? 0 : tr.digits.front();
    switch (t) {
    case Technique::HiddenSingle:
        return QStringLiteral("In %1, the %2 can only go in %3. Place %2 there.")
            .arg(unitName(tr.units.front()))
            .arg(d)
            .arg(cellName(tr.cells.front()));
    case Technique::NakedSingle:
        return QStringLiteral("%1 can only hold %2: every other digit is already in its row, column or box. "
                              "Place %2 there.")
            .arg(capitalised(cellName(tr.cells.front())))
            .arg(d);
    default:
        break;
    }
    return QStringLiteral("A %1 pattern on %2 rules this out. %3")
        .arg(QString::fromLatin1(kTitles[static_cast<std::size_t>(t)]), cells(tr.cells), remove);
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

Explanation explainNext(const engine::Grid &placed, const engine::Grid *solution)
{
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
            std::sort(step.pattern.begin(), step.pattern.end());
            step.pattern.erase(std::unique(step.pattern.begin(), step.pattern.end()), step.pattern.end());
            step.text = describe(t, trace, step);
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
