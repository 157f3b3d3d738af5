#include "play/BestTimesDialog.h"

#include "board/TimeLabel.h"
#include "puzzle/Levels.h"
#include "periphery/Seams.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString clock(int ms) { return TTimeLabel::FormatSeconds(ms / 1000); }
} // namespace

BestTimesDialog::BestTimesDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBestTimes"));
    setWindowTitle(QStringLiteral("Best Times"));
    tables_ = besttimes::load(path());

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
}

QString BestTimesDialog::path() const
{
    return QDir(seams::programDirectory()).filePath(QString::fromLatin1(besttimes::kFileName));
}

void BestTimesDialog::NewRound(bool fromBank) { round_ = besttimes::Round{.fromBank = fromBank, .solutionShown = false, .hints = 0, .finished = false}; }
void BestTimesDialog::HintUsed() { ++round_.hints; }
void BestTimesDialog::SolutionShown() { round_.solutionShown = true; }

QString BestTimesDialog::GameFinished(int level, int ms)
{
    const QString solved = QStringLiteral("Solved in %1").arg(clock(ms));
    if (!besttimes::counts(round_, level))
        return solved + QStringLiteral(".");
    round_.finished = true;
    // Re-read first: another copy of the game may have written meanwhile.
    tables_ = besttimes::load(path());
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    const int place = tables_.add(level, {.ms = ms, .when = now, .hints = round_.hints});
    if (place >= 0) {
        save();
        fill();
    }
    const QString name = QString::fromLatin1(levels::kNames[level]);
    if (place == 0)
        return solved + QStringLiteral(": a new best time for %1!").arg(name);
    const QString best = clock(tables_.level[static_cast<size_t>(level)].first().ms);
    if (place > 0)
        return solved + QStringLiteral(": number %1 of the best times for %2 (best %3).").arg(place + 1).arg(name, best);
    return solved + QStringLiteral(". The best time for %1 is %2.").arg(name, best);
}

void BestTimesDialog::ClearClick()
{
    if (!seams::messages().ask(QStringLiteral("Clear the best times of every level?")))
        return;
    tables_ = {};
    save();
    fill();
}

void BestTimesDialog::showEvent(QShowEvent *event)
{
    tables_ = besttimes::load(path());
    fill();
    QDialog::showEvent(event);
}

void BestTimesDialog::save()
{
    QString error;
    if (!besttimes::save(path(), tables_, &error))
        seams::messages().report(QStringLiteral("The best times could not be saved to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(path()), error));
}

void BestTimesDialog::fill()
{
    for (int lvl = 0; lvl < besttimes::kLevels; ++lvl) {
        auto *table = static_cast<QTableWidget *>(tabs_->widget(lvl));
        const QList<besttimes::Entry> &list = tables_.level[static_cast<size_t>(lvl)];
        for (int r = 0; r < besttimes::kKept; ++r) {
            const bool has = r < list.size();
            const QStringList cells = has ? QStringList{clock(list[r].ms), list[r].when.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                                        QString::number(list[r].hints)}
                                          : QStringList{QString(), QString(), QString()};
            for (int c = 0; c < 3; ++c)
                table->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    }
}
