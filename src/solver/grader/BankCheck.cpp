#include "solver/grader/BankCheck.h"

#include "solver/grader/BankEntry.h"
#include "solver/grader/Grader.h"

#include <QHash>

namespace grader {

namespace {

bool validGrid(const engine::Grid &g)
{
    for (std::uint8_t v : g)
        if (!v)
            return false;
    return engine::consistent(g);
}

} // namespace

QString entryFault(const QString &entry, int level)
{
    if (entry.size() != kBankEntryLength)
        return QStringLiteral("length %1, not 81").arg(entry.size());
    const DecodedEntry decoded = decodeBankEntry(entry);
    if (!decoded.ok())
        return QStringLiteral("character %1 is neither 1..9 nor A..I").arg(decoded.bad + 1);
    const engine::Grid &puzzle = decoded.puzzle, &solution = decoded.solution;
    const int givens = decoded.givens;
    if (!validGrid(solution))
        return QStringLiteral("the letters and digits are not a valid grid");
    if (givens < kBankMinGivens || givens > kBankMaxGivens)
        return QStringLiteral("%1 givens, not %2..%3").arg(givens).arg(kBankMinGivens).arg(kBankMaxGivens);
    const int count = engine::count(puzzle, 2);
    if (count != 1)
        return count == 0 ? QStringLiteral("no solution") : QStringLiteral("more than one solution");
    if (engine::solve(puzzle, 1).first != solution)
        return QStringLiteral("the solution differs from the grid");
    const Grade g = gradeProper(puzzle);
    if (g.level != level)
        return QStringLiteral("graded %1 (%2), not %3")
            .arg(g.level == kBeyond ? QStringLiteral("beyond") : QString::number(g.level), techniqueName(g.hardest))
            .arg(level);
    return {};
}

BankReport verifyBank(const Bank &bank, int perLevel)
{
    BankReport report;
    QHash<QString, QString> where;
    for (int level = 0; level < 5; ++level) {
        const QStringList &list = bank[static_cast<std::size_t>(level)];
        int minGivens = 81, maxGivens = 0;
        for (int i = 0; i < list.size(); ++i) {
            const QString &entry = list.at(i);
            const QString place = QStringLiteral("tk%1 line %2").arg(level).arg(i + 1);
            QString fault = entryFault(entry, level);
            if (fault.isEmpty() && where.contains(entry))
                fault = QStringLiteral("repeats %1").arg(where.value(entry));
            if (!fault.isEmpty()) {
                report.firstBad = QStringLiteral("%1: %2: %3").arg(place, fault, entry);
                return report;
            }
            where.insert(entry, place);
            ++report.checked;
            const int givens = decodeBankEntry(entry).givens;
            minGivens = std::min(minGivens, givens);
            maxGivens = std::max(maxGivens, givens);
        }
        if (list.size() != perLevel) {
            report.firstBad = QStringLiteral("tk%1: %2 entries, not %3").arg(level).arg(list.size()).arg(perLevel);
            return report;
        }
        report.summary += QStringLiteral("tk%1: %2 entries, %3..%4 givens\n")
                              .arg(level).arg(list.size()).arg(minGivens).arg(maxGivens);
    }
    report.summary += QStringLiteral("%1 entries: one solution each, graded at their level, none repeated\n")
                          .arg(report.checked);
    report.ok = true;
    return report;
}

} // namespace grader
