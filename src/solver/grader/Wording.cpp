#include "solver/grader/Wording.h"

#include <algorithm>
#include <utility>

namespace grader::words {

QString unit(int u)
{
    static const char *kinds[] = {"row", "column", "box"};
    return QStringLiteral("%1 %2").arg(QLatin1String(kinds[u / 9])).arg(u % 9 + 1);
}

QString units(const std::vector<int> &list)
{
    static const char *plural[] = {"rows", "columns", "boxes"};
    QStringList items;
    for (int u : list)
        items << QString::number(u % 9 + 1);
    if (list.size() == 1)
        return unit(list.front());
    return QStringLiteral("%1 %2").arg(QLatin1String(plural[list.front() / 9]), joined(items));
}

QString shortCell(int cell) { return QStringLiteral("r%1c%2").arg(cell / 9 + 1).arg(cell % 9 + 1); }

QString capitalised(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

QString joined(const QStringList &items, const char *conjunction)
{
    if (items.size() <= 1)
        return items.value(0);
    return QStringLiteral("%1 %2 %3")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), QLatin1String(conjunction), items.last());
}

QString cells(const std::vector<int> &list, const char *conjunction)
{
    QStringList items;
    for (int c : list)
        items << cellName(c);
    return joined(items, conjunction);
}

QString cells(const CellSet &set, const char *conjunction)
{
    std::vector<int> list;
    set.forEach([&](int c) { list.push_back(c); });
    return cells(list, conjunction);
}

QString digits(const std::vector<int> &list, const char *conjunction)
{
    QStringList items;
    for (int d : list)
        items << QString::number(d);
    return joined(items, conjunction);
}

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

} // namespace grader::words
