#include "puzzle/QJ.h"

#include "base/TextLines.h"
#include "base/Digits.h"
#include "puzzle/Random.h"
#include "solver/grader/BankEntry.h"

#include <utility>

TQJ::TQJ()
{
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            node(row, col).row = row;
            node(row, col).col = col;
        }
}

void TQJ::LoadFromBank(const QString &entry)
{
    // Decode the whole entry first so a bad one never leaves half a puzzle.
    if (entry.size() < grader::kBankEntryLength)
        throw ConvertError(QStringLiteral("Bank entry too short: '%1'").arg(entry));
    const grader::DecodedEntry decoded = grader::decodeBankEntry(entry);
    if (!decoded.ok())
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(entry.at(decoded.bad)));
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            TNode &n = node(row, col);
            const std::size_t i = index(row, col);
            n.row = row;
            n.col = col;
            n.given = decoded.puzzle[i] ? 1 : 0;
            n.digit = decoded.solution[i];
        }
    Shuffle(200);
}

void TQJ::swapNodes(int rowA, int colA, int rowB, int colB)
{
    TNode &a = node(rowA, colA);
    TNode &b = node(rowB, colB);
    std::swap(a.digit, b.digit);
    std::swap(a.given, b.given);
}

void TQJ::Shuffle(int count)
{
    Randomize();
    for (int pass = 0; pass < count; ++pass) {
        const int op = Random(7) + 1;
        const int a = Random(3) + 1;
        int b = Random(2) + 1;
        if (a == 1)
            ++b;
        else if (a == 2 && b == 2)
            b = 3;
        if (op <= 3) {
            const int k = 3 * (op - 1);
            for (int row = 1; row <= 9; ++row)
                swapNodes(row, k + a, row, k + b);
        } else if (op <= 6) {
            const int k = 3 * (op - 4);
            for (int col = 1; col <= 9; ++col)
                swapNodes(k + a, col, k + b, col);
        } else {
            const int x = Random(9) + 1;
            int y = Random(9) + 1;
            if (y == x)
                y = x == 9 ? 1 : x + 1;
            // A table instead of two comparisons per node: the digits are
            // random, so branches on them would mostly mispredict.
            int to[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
            to[x] = y;
            to[y] = x;
            for (TNode &n : nodes)
                if (static_cast<unsigned>(n.digit) <= 9)
                    n.digit = to[n.digit];
        }
    }
}

QString TQJ::GetSolution() const
{
    QString s(81, QLatin1Char('0'));
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const int d = nodes[i].digit;
        if (d < 1 || d > 9)
            return QString();
        s[static_cast<qsizetype>(i)] = QChar(u'0' + d);
    }
    return s;
}

void TQJ::ClearValues()
{
    for (TNode &n : nodes)
        n.digit = 0;
}

void TQJ::SetSolution(const QString &solution)
{
    ClearValues();
    const QString s = textlines::trimBlanks(solution);
    if (s.size() != 81)
        return;
    for (qsizetype i = 0; i < 81; ++i)
        nodes[static_cast<std::size_t>(i)].digit = digitValue(s.at(i));
}

void TQJ::SetGivens(const QString &givens)
{
    ClearValues();
    const QString s = textlines::trimBlanks(givens);
    if (s.size() != 81)
        return;
    for (qsizetype i = 0; i < 81; ++i) {
        TNode &n = nodes[static_cast<std::size_t>(i)];
        const int v = digitValue(s.at(i));
        n.given = v >= 1 && v <= 9 ? 1 : 0;
        n.digit = n.given ? v : 0;
    }
}
