#include "exchange/PuzzlePicker.h"

#include <QAbstractListModel>
#include <QDialogButtonBox>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// One line a puzzle, made when the view asks for it.
class PuzzleList final : public QAbstractListModel {
public:
    PuzzleList(const QList<puzzlefile::Puzzle> &puzzles, QObject *parent)
        : QAbstractListModel(parent), puzzles_(puzzles) {}

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(puzzles_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const puzzlefile::Puzzle &p = puzzles_.at(index.row());
        const QString line = PuzzlePicker::tr("No. %1: %n givens", nullptr, puzzlefile::givensCount(p)).arg(index.row() + 1);
        return p.title.isEmpty() ? line : PuzzlePicker::tr("%1, %2").arg(line, p.title);
    }

private:
    const QList<puzzlefile::Puzzle> &puzzles_;
};

} // namespace

PuzzlePicker::PuzzlePicker(const QList<puzzlefile::Puzzle> &puzzles, const QString &fileName, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Open Puzzle File: %1").arg(fileName));
    auto *layout = new QVBoxLayout(this);
    list = new QListView(this);
    list->setUniformItemSizes(true); // the view measures one row, not every row
    list->setModel(new PuzzleList(puzzles, list));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *play = buttons->addButton(tr("&Play"), QDialogButtonBox::AcceptRole);
    play->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListView::doubleClicked, this, &QDialog::accept);
    choose(0);
    resize(420, 360);
}

int PuzzlePicker::chosen() const { return list->currentIndex().isValid() ? list->currentIndex().row() : -1; }

void PuzzlePicker::choose(int row) { list->setCurrentIndex(list->model()->index(row, 0)); }
