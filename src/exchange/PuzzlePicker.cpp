#include "exchange/PuzzlePicker.h"

#include "exchange/PuzzleCollection.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Long enough to grade many puzzles, short enough to keep the window lively.
constexpr int kSliceMs = 40;

} // namespace

PuzzlePicker::PuzzlePicker(PuzzleCollection &collection, const QString &fileName, QWidget *parent)
    : QDialog(parent), collection_(collection)
{
    setWindowTitle(tr("Open Puzzle File: %1").arg(fileName));
    auto *layout = new QVBoxLayout(this);

    auto *filterRow = new QHBoxLayout;
    levelFilter = new QComboBox(this);
    levelFilter->addItem(tr("All levels"), PuzzleCollection::kAll);
    for (int kind = 0; kind < PuzzleCollection::KindCount; ++kind)
        levelFilter->addItem(PuzzleCollection::kindName(kind), kind);
    levelFilter->setCurrentIndex(levelFilter->findData(collection.filter()));
    auto *filterLabel = new QLabel(tr("&Level:"), this);
    filterLabel->setBuddy(levelFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(levelFilter, 1);
    layout->addLayout(filterRow);

    table = new QTableView(this);
    table->setModel(&collection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // Fixed widths and heights: measuring contents would grade every row.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    table->setColumnWidth(PuzzleCollection::Number, digit * 9);
    table->setColumnWidth(PuzzleCollection::Givens, digit * 7);
    table->setColumnWidth(PuzzleCollection::Level, fontMetrics().horizontalAdvance(
        PuzzleCollection::kindName(PuzzleCollection::NotUnique)) + digit * 2);
    layout->addWidget(table, 1);

    progress = new QLabel(this);
    layout->addWidget(progress);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *play = buttons->addButton(tr("&Play"), QDialogButtonBox::AcceptRole);
    play->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(levelFilter, &QComboBox::currentIndexChanged, this, &PuzzlePicker::filterChosen);
    grading_.setInterval(0);
    connect(&grading_, &QTimer::timeout, this, &PuzzlePicker::gradeSlice);

    choose(0);
    filterChosen();
    resize(560, 420);
}

int PuzzlePicker::chosen() const
{
    const QModelIndex current = table->currentIndex();
    return current.isValid() ? collection_.indexAt(current.row()) : -1;
}

void PuzzlePicker::choose(int index)
{
    const int row = collection_.rowOf(index);
    if (row >= 0)
        table->selectRow(row);
}

void PuzzlePicker::filterChosen()
{
    const int before = chosen();
    collection_.setFilter(levelFilter->currentData().toInt());
    choose(before);
    if (collection_.filter() != PuzzleCollection::kAll && collection_.gradedCount() < collection_.puzzles().size())
        grading_.start();
    else
        grading_.stop();
    showProgress();
}

void PuzzlePicker::gradeSlice()
{
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < kSliceMs)
        more = collection_.gradeMore(1);
    if (!more)
        grading_.stop();
    if (!table->currentIndex().isValid() && collection_.rowCount() > 0)
        table->selectRow(0);
    showProgress();
}

void PuzzlePicker::showProgress()
{
    const qsizetype total = collection_.puzzles().size();
    if (collection_.filter() == PuzzleCollection::kAll)
        progress->setText(tr("%n puzzles", nullptr, static_cast<int>(total)));
    else
        progress->setText(tr("%1 of %2 puzzles graded: %3 shown")
                              .arg(collection_.gradedCount())
                              .arg(total)
                              .arg(collection_.rowCount()));
}
