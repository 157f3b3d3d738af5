#include "exchange/PuzzleCollection.h"

#include "puzzle/Levels.h"
#include "solver/Engine.h"
#include "solver/grader/Grader.h"

#include <algorithm>

namespace {

PuzzleCollection::Kind gradeOne(const puzzlefile::Puzzle &puzzle)
{
    const engine::Grid grid = engine::parse(puzzle.givens.constData(), static_cast<std::size_t>(puzzle.givens.size()));
    // A board without a blank passes Check Puzzle as its own solution.
    if (!puzzle.givens.contains('0'))
        return PuzzleCollection::Kind(0);
    switch (engine::count(grid, 2)) {
    case 0:
        return PuzzleCollection::NotSolvable;
    case 1:
        return PuzzleCollection::Kind(grader::gradeProper(grid).level);
    default:
        return PuzzleCollection::NotUnique;
    }
}

} // namespace

PuzzleCollection::PuzzleCollection(QList<puzzlefile::Puzzle> puzzles, QObject *parent)
    : QAbstractTableModel(parent), puzzles_(std::move(puzzles)), kinds_(puzzles_.size(), Ungraded)
{
}

int PuzzleCollection::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return filter_ == kAll ? static_cast<int>(puzzles_.size()) : static_cast<int>(rows_.size());
}

int PuzzleCollection::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant PuzzleCollection::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    const int i = indexAt(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() <= Givens ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    switch (index.column()) {
    case Number:
        return i + 1;
    case Givens:
        return puzzlefile::givensCount(puzzles_.at(i));
    case Level:
        return kindName(kind(i));
    default:
        return puzzles_.at(i).title;
    }
}

QVariant PuzzleCollection::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Number:
        return tr("No.");
    case Givens:
        return tr("Givens");
    case Level:
        return tr("Level");
    default:
        return tr("Title");
    }
}

PuzzleCollection::Kind PuzzleCollection::kind(int index) const
{
    Kind &k = kinds_[static_cast<std::size_t>(index)];
    if (k == Ungraded) {
        k = gradeOne(puzzles_.at(index));
        ++graded_;
    }
    return k;
}

QString PuzzleCollection::kindName(int kind)
{
    switch (kind) {
    case Ungraded:
        return {};
    case Beyond:
        return tr("Beyond Diabolical");
    // As Check Puzzle says it.
    case NotUnique:
        return QStringLiteral("This puzzle has multiple solution");
    case NotSolvable:
        return QStringLiteral("Puzzle is not solvable");
    default:
        return QString::fromLatin1(levels::kNames[kind]);
    }
}

void PuzzleCollection::setFilter(int kind)
{
    if (kind == filter_)
        return;
    beginResetModel();
    filter_ = kind;
    rows_.clear();
    if (filter_ != kAll)
        for (int i = 0; i < static_cast<int>(kinds_.size()); ++i)
            if (kinds_[static_cast<std::size_t>(i)] == filter_)
                rows_.push_back(i);
    endResetModel();
}

void PuzzleCollection::addRow(int index)
{
    if (filter_ == kAll || kinds_[static_cast<std::size_t>(index)] != filter_)
        return;
    // Puzzles graded because they were shown may stand past the cursor.
    const auto at = std::lower_bound(rows_.begin(), rows_.end(), index);
    if (at != rows_.end() && *at == index)
        return;
    const int row = static_cast<int>(at - rows_.begin());
    beginInsertRows({}, row, row);
    rows_.insert(at, index);
    endInsertRows();
}

bool PuzzleCollection::gradeMore(int count)
{
    const int size = static_cast<int>(puzzles_.size());
    for (; cursor_ < size && count > 0; ++cursor_) {
        if (kinds_[static_cast<std::size_t>(cursor_)] != Ungraded)
            continue;
        kind(cursor_);
        addRow(cursor_);
        --count;
    }
    while (cursor_ < size && kinds_[static_cast<std::size_t>(cursor_)] != Ungraded)
        ++cursor_;
    return cursor_ < size;
}

int PuzzleCollection::indexAt(int row) const { return filter_ == kAll ? row : rows_.at(static_cast<std::size_t>(row)); }

int PuzzleCollection::rowOf(int index) const
{
    if (filter_ == kAll)
        return index >= 0 && index < puzzles_.size() ? index : -1;
    const auto at = std::lower_bound(rows_.begin(), rows_.end(), index);
    return at != rows_.end() && *at == index ? static_cast<int>(at - rows_.begin()) : -1;
}

bool PuzzleCollection::mayHaveNext(int index) const
{
    for (int i = index + 1; i < puzzles_.size(); ++i) {
        const Kind k = kinds_[static_cast<size_t>(i)];
        if (filter_ == kAll || k == Ungraded || k == filter_)
            return true;
    }
    return false;
}

int PuzzleCollection::next(int index)
{
    for (int i = index + 1; i < puzzles_.size(); ++i) {
        if (filter_ == kAll)
            return i;
        if (kind(i) == filter_) {
            addRow(i);
            return i;
        }
    }
    return -1;
}
