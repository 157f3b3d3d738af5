#include "solver/grader/Explain.h"

#include "solver/grader/Board.h"
#include "solver/grader/ExplainSteps.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <variant>

namespace grader {

namespace {

bool clash(const engine::Grid &placed, QString &message)
{
    for (int u = 0; u < 27; ++u) {
        Mask seen = 0;
        for (std::uint8_t c : tables().unitCells[static_cast<std::size_t>(u)]) {
            const int d = placed[c];
            if (!d)
                continue;
            if (seen & bit(d)) {
                message = QStringLiteral("Two %1s share %2: remove one of them.").arg(d).arg(words::unit(u));
                return true;
            }
            seen |= bit(d);
        }
    }
    return false;
}

} // namespace

namespace ladder {

CandidateSet candidatesOf(const Board &b)
{
    CandidateSet s;
    for (int c = 0; c < 81; ++c)
        forEachDigit(b.cand[static_cast<std::size_t>(c)], [&](int d) { s.set(c, d); });
    return s;
}

ExplainStep stepBetween(Technique t, const Board &before, const Board &after)
{
    ExplainStep s;
    s.technique = t;
    s.title = QString::fromLatin1(info(t).title);
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

void describe(ExplainStep &step, const Trace &trace, const Board &before)
{
    const QString remove = step.place ? QString() : words::removals(step.changes);
    Description d;
    if (!std::holds_alternative<std::monostate>(trace))
        d = info(step.technique).describe(trace, before, remove);
    step.text = d.text.isEmpty() ? QStringLiteral("%1 shows it. %2").arg(step.title, remove) : d.text;
    step.pattern = std::move(d.pattern);
    std::sort(step.pattern.begin(), step.pattern.end());
    step.pattern.erase(std::unique(step.pattern.begin(), step.pattern.end()), step.pattern.end());
}

bool agrees(const ExplainStep &s, const engine::Grid &solution)
{
    for (const CellDigit &cd : s.changes)
        if ((solution[static_cast<std::size_t>(cd.cell)] == cd.digit) != s.place)
            return false;
    return !s.changes.empty();
}

CandidateSet needs(Technique t, const Trace &trace, const Board &before, const CandidateSet &start)
{
    CandidateSet read;
    if (!std::holds_alternative<std::monostate>(trace))
        info(t).premises(trace, before, read);
    return (read & start) - candidatesOf(before);
}

std::vector<CellDigit> listOf(const CandidateSet &s)
{
    std::vector<CellDigit> out;
    s.forEach([&](int c, int d) { out.push_back({c, d}); });
    return out;
}

} // namespace ladder

QString cellName(int cell)
{
    return QStringLiteral("row %1, column %2").arg(rowOf(cell) + 1).arg(colOf(cell) + 1);
}

QString ExplainStep::toolLine() const
{
    QString line = QLatin1String(info(technique).word) + (place ? QLatin1String(" place") : QLatin1String(" remove"));
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

Explanation explainNext(const engine::Grid &given, const engine::Grid *solution, ExplainScope scope)
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
    using namespace ladder;
    if (scope == ExplainScope::Minimal && cheapest(board, *solution, e.steps)) {
        e.state = ExplainState::Steps;
        e.message.clear();
        return e;
    }
    const CandidateSet start = candidatesOf(board);
    // Each step strikes at least one of the 729 candidates.
    for (;;) {
        std::optional<Board> after;
        const Take v = climb(board, Technique(0), *solution,
                             [&](Technique t, ExplainStep step, const Trace &trace, const Board &next) {
                                 describe(step, trace, board);
                                 step.premises = listOf(needs(t, trace, board, start));
                                 e.steps.push_back(step);
                                 if (step.place) {
                                     e.state = ExplainState::Steps;
                                     e.message.clear();
                                     return Take::Stop;
                                 }
                                 after = next;
                                 return Take::Rung;
                             });
        if (v != Take::Rung)
            break;
        board = *after;
    }
    return e;
}

} // namespace grader
