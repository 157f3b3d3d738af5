#include "solver/grader/BankEntry.h"

namespace grader {

QString bankEntry(const EntryGrid &puzzle, const EntryGrid &solution)
{
    QString s(kBankEntryLength, QLatin1Char('?'));
    for (std::size_t c = 0; c < solution.size(); ++c)
        s[static_cast<qsizetype>(c)] = puzzle[c] ? QChar(u'0' + solution[c]) : QChar(u'A' + solution[c] - 1);
    return s;
}

DecodedEntry decodeBankEntry(QStringView entry)
{
    DecodedEntry out;
    if (entry.size() < kBankEntryLength) {
        out.bad = entry.size();
        return out;
    }
    for (int i = 0; i < kBankEntryLength; ++i) {
        const char16_t c = entry.at(i).unicode();
        const auto cell = static_cast<std::size_t>(i);
        if (c >= u'1' && c <= u'9') {
            out.puzzle[cell] = out.solution[cell] = static_cast<std::uint8_t>(c - u'0');
            ++out.givens;
        } else if (c >= u'A' && c <= u'I') {
            out.solution[cell] = static_cast<std::uint8_t>(c - u'A' + 1);
        } else {
            out.bad = i;
            return out;
        }
    }
    return out;
}

} // namespace grader
