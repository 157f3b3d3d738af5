#include "play/BestTimesDialog.h"

#include "base/ClockText.h"
#include "play/PlayModel.h"
#include "puzzle/Levels.h"
#include "periphery/Seams.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

BestTimesDialog::BestTimesDialog(PlayModel &play, QWidget *parent) : QDialog(parent), play_(play)
{
    setObjectName(QStringLiteral("frmBestTimes"));
    setWindowTitle(QStringLiteral("Best Times"));

    auto *layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    for (int lvl = 0; lvl < besttimes::kLevels; ++lvl) {
        auto *table = new QTableWidget(besttimes::kKept, 3, tabs_);
        table->setHorizontalHeaderLabels({QStringLiteral("Time"), QStringLiteral("Date"), QStringLiteral("Hints")});
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        tabs_->addTab(table, QString::fromLatin1(levels::kNames[lvl]));
    }
    layout->addWidget(tabs_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *clear = buttons->addButton(QStringLiteral("Clear"), QDialogButtonBox::ActionRole);
    clear->setObjectName(QStringLiteral("Clear"));
    seams::connectGuarded(clear, &QPushButton::clicked, this, [this] { ClearClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 430);
    fill();
    connect(&play_, &PlayModel::bestTimesChanged, this, &BestTimesDialog::fill);
}

void BestTimesDialog::ClearClick()
{
    if (seams::messages().ask(QStringLiteral("Clear the best times of every level?")))
        play_.clearBestTimes();
}

void BestTimesDialog::showEvent(QShowEvent *event)
{
    play_.reloadBestTimes();
    QDialog::showEvent(event);
}

void BestTimesDialog::fill()
{
    for (int lvl = 0; lvl < besttimes::kLevels; ++lvl) {
        auto *table = static_cast<QTableWidget *>(tabs_->widget(lvl));
        const QList<besttimes::Entry> &list = play_.bestTimes().level[static_cast<size_t>(lvl)];
        for (int r = 0; r < besttimes::kKept; ++r) {
            const bool has = r < list.size();
            const QStringList cells = has ? QStringList{clockText(list[r].ms / 1000), list[r].when.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                                        QString::number(list[r].hints)}
                                          : QStringList{QString(), QString(), QString()};
            for (int c = 0; c < 3; ++c)
                table->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    }
}
