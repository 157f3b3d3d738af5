#pragma once

#include "solver/grader/CellSet.h"
#include "solver/grader/Explain.h"

#include <QString>
#include <QStringList>

#include <vector>

// The pieces the explanation's sentences are made of, shared by the
// techniques' describe functions.
namespace grader::words {

// "row 3", "column 1", "box 9" for a unit 0..26.
QString unit(int u);
// "rows 2 and 7" when all are of one kind; one unit alone by unit().
QString units(const std::vector<int> &list);
QString capitalised(QString s);
// "r5c7", the cell as the tool and the chains write it.
QString shortCell(int cell);
// "a", "a and b", "a, b and c" (or "or").
QString joined(const QStringList &items, const char *conjunction = "and");
QString cells(const std::vector<int> &list, const char *conjunction = "and");
QString cells(const CellSet &set, const char *conjunction = "and");
QString digits(const std::vector<int> &list, const char *conjunction = "and");
// "Remove 4 from A and B, and 6 from C." Digits struck from the same cells
// go together.
QString removals(const std::vector<CellDigit> &changes);

} // namespace grader::words
