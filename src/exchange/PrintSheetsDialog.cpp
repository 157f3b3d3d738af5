#include "exchange/PrintSheetsDialog.h"

#include "puzzle/Levels.h"
#include "puzzle/QJ.h"
#include "puzzle/Ufrmtk.h"
#include "periphery/PrintSeam.h"
#include "periphery/Seams.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

PrintSheetsDialog::PrintSheetsDialog(const Tfrmtk &bank, QWidget *parent) : QDialog(parent), bank_(bank)
{
    setObjectName(QStringLiteral("frmPrintSheets"));
    setWindowTitle(QStringLiteral("Print Puzzles"));
    auto *form = new QFormLayout(this);
    level_ = new QComboBox(this);
    for (int l = 0; l < levels::kCount; ++l)
        level_->addItem(QString::fromLatin1(levels::kNames[l]));
    level_->addItem(QStringLiteral("One of each"));
    form->addRow(QStringLiteral("Level:"), level_);
    count_ = new QSpinBox(this);
    count_->setRange(1, sheet::kMaxPuzzles);
    count_->setValue(4);
    form->addRow(QStringLiteral("Puzzles:"), count_);
    // One of each deals the levels in turn: whole rounds of five, so that
    // none is left out.
    connect(level_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const bool rounds = index == kOneOfEach;
        count_->setSingleStep(rounds ? levels::kCount : 1);
        if (rounds)
            count_->setValue(roundsOfEach(count_->value()));
    });
    perPage_ = new QComboBox(this);
    for (int n : sheet::kPerPage)
        perPage_->addItem(QString::number(n), n);
    perPage_->setCurrentIndex(2);
    form->addRow(QStringLiteral("To a page:"), perPage_);
    solutions_ = new QCheckBox(QStringLiteral("With a page of solutions"), this);
    solutions_->setChecked(true);
    form->addRow(solutions_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *print = buttons->addButton(QStringLiteral("Print..."), QDialogButtonBox::ActionRole);
    QPushButton *pdf = buttons->addButton(QStringLiteral("Save as PDF..."), QDialogButtonBox::ActionRole);
    seams::connectGuarded(print, &QPushButton::clicked, this, [this] { PrintClick(); });
    seams::connectGuarded(pdf, &QPushButton::clicked, this, [this] { SavePdfClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

int PrintSheetsDialog::roundsOfEach(int count)
{
    const int rounds = (count + levels::kCount - 1) / levels::kCount;
    return std::clamp(rounds, 1, sheet::kMaxPuzzles / levels::kCount) * levels::kCount;
}

QList<sheet::Puzzle> PrintSheetsDialog::Deal(int level, int count) const
{
    QList<sheet::Puzzle> out;
    for (int i = 0; i < count; ++i) {
        const int l = level == kOneOfEach ? i % levels::kCount : level;
        TQJ qj;
        bank_.DealFromBank(l, qj);
        QString givens;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                givens += qj.node(r, c).given == 1 ? QChar(u'0' + qj.node(r, c).digit) : QLatin1Char('.');
        out.append({givens, qj.GetSolution(), QStringLiteral("%1. %2").arg(i + 1).arg(QString::fromLatin1(levels::kNames[l]))});
    }
    return out;
}

sheet::Layout PrintSheetsDialog::chosenLayout() const
{
    return {.perPage = perPage_->currentData().toInt(), .solutions = solutions_->isChecked()};
}

QList<sheet::Puzzle> PrintSheetsDialog::dealChosen() const { return Deal(level_->currentIndex(), count_->value()); }

void PrintSheetsDialog::PrintClick()
{
    const QList<sheet::Puzzle> puzzles = dealChosen();
    const sheet::Layout layout = chosenLayout();
    seams::printer().print([&](QPagedPaintDevice &device) { sheet::paint(device, puzzles, layout); });
}

void PrintSheetsDialog::SavePdfClick()
{
    const QString path = seams::printer().saveFileName(
        QStringLiteral("Save as PDF"), QDir(seams::programDirectory()).filePath(QStringLiteral("puzzles.pdf")),
        QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!sheet::writePdf(path, dealChosen(), chosenLayout(), &error))
        seams::messages().report(
            QStringLiteral("The puzzles could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(path), error));
}
