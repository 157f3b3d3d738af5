#include "exchange/UfrmImport.h"

#include "board/PICSD33.h"
#include "exchange/CopyLayouts.h"
#include "exchange/ImportReader.h"
#include "exchange/TextBox.h"
#include "periphery/Centering.h"
#include "periphery/Seams.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

const char *const TfrmImport::kHint1 = "Enter a string of 81 numbers(you can express blanks as 0, * , '.')";

namespace {

// A sample in the "With Candidates" layout, written by the copy dialog's
// writer from nine rows of cell texts ("." for an empty cell).
QString framedGrid(const char *const rows[9][9])
{
    OwnedGrid grid;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const QString text = QString::fromLatin1(rows[r][c]);
            grid.at(r + 1, c + 1).value = text == QLatin1String(".") ? QString() : text;
        }
    return copylayouts::withCandidatesLines(grid.grid()).join(QLatin1Char('\n'));
}

const char *const kExample3[9][9] = {
    {".", "9", "5", ".", ".", "3", "8", "1", "4"}, {".", "8", ".", ".", ".", "2", ".", ".", "."},
    {"6", ".", ".", ".", "8", ".", "2", ".", "7"}, {".", ".", ".", "1", "9", ".", "6", ".", "."},
    {"3", ".", ".", ".", ".", ".", ".", ".", "."}, {".", ".", ".", ".", ".", ".", "5", ".", "."},
    {"1", ".", "8", "3", ".", ".", "7", ".", "."}, {".", ".", ".", ".", ".", "4", ".", "6", "."},
    {".", ".", "6", ".", ".", "7", ".", "8", "3"},
};

const char *const kExample4[9][9] = {
    {"5", "13789", "2389", "123479", "379", "6", "23478", "23479", "234789"},
    {"12379", "13679", "2369", "1234579", "3579", "8", "234567", "234679", "2345679"},
    {"2379", "36789", "4", "23579", "3579", "2379", "235678", "23679", "1"},
    {"3479", "345789", "1", "346789", "2", "3479", "34567", "34679", "345679"},
    {"6", "3479", "239", "13479", "379", "5", "12347", "8", "23479"},
    {"23479", "345789", "23589", "1346789", "36789", "13479", "1234567", "1234679", "2345679"},
    {"8", "13469", "7", "2369", "369", "239", "12346", "5", "2346"},
    {"13", "1356", "356", "235678", "4", "237", "9", "12367", "23678"},
    {"349", "2", "3569", "356789", "1", "379", "34678", "3467", "34678"},
};

} // namespace

TfrmImport::TfrmImport(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import Sudoku"));

    auto *box = newTextBox<BoundedTextEdit>(this, "memo2");
    box->maxLength = kMaxText;
    box->tooLong = [](qsizetype length) {
        seams::messages().report(
            QStringLiteral("This text is too long to import: %1 characters. The import takes at most %2.")
                .arg(length)
                .arg(kMaxText));
    };
    memo2 = box;
    memo2->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *menu = new QMenu(memo2);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    menu->addAction(QStringLiteral("Select All"), memo2, &QTextEdit::selectAll);
    menu->addAction(QStringLiteral("Copy"), memo2, &QTextEdit::copy);
    menu->addAction(QStringLiteral("Paste"), memo2, &QTextEdit::paste);
    menu->addAction(QStringLiteral("Clear"), memo2, &QTextEdit::clear);
    connect(memo2, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint &pos) { menu->exec(memo2->viewport()->mapToGlobal(pos)); });

    Label1 = new QLabel(QString::fromLatin1(kHint1), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Compatible Formats:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto *examples = new QHBoxLayout;
    examples->addWidget(Label2);
    for (int n = 1; n <= 4; ++n) {
        Example[n] = new QPushButton(QStringLiteral("Example %1").arg(n), this);
        Example[n]->setObjectName(QStringLiteral("Example%1").arg(n));
        examples->addWidget(Example[n]);
        seams::connectGuarded(Example[n], &QPushButton::clicked, this, [this, n] { ShowExample(n); });
    }
    examples->addStretch();

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    // Text that reads as no layout stays in the open box, for the player to
    // mend.
    seams::connectGuarded(Button1, &QPushButton::clicked, this, [this] {
        if (ReadInto(target_))
            accept();
        else
            memo2->setFocus();
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(memo2, 1);
    layout->addLayout(examples);
    layout->addLayout(buttons);
    resize(760, 420);
}

void TfrmImport::ImportInto(TPICSD33 *target)
{
    target_ = target;
    exec();
    target_ = nullptr;
}

bool TfrmImport::ReadInto(TPICSD33 *target)
{
    const importreader::ImportResult result = importreader::readImport(memo2->toPlainText());
    if (!result.valid())
        seams::messages().report(QString::fromUtf16(importreader::kInvalidFormat));
    if (target) {
        if (result.valid())
            result.applyTo(target->grid());
        target->CheckConflicts();
        target->ShowAll();
    }
    return result.valid();
}

void TfrmImport::ShowExample(int n)
{
    switch (n) {
    case 1:
        memo2->setPlainText(
            QStringLiteral("086009000003200000002004903004000000005000700697041230008050001001760000059000006"));
        Label1->setText(QString::fromLatin1(kHint1));
        break;
    case 2:
        memo2->setPlainText(QStringLiteral("*8******7\n****96***\n**2**3***\n*******9*\n**9***56*\n"
                                           "***1****4\n4********\n****5**3*\n71*8*****"));
        Label1->setText(QStringLiteral(
            "Enter nine rows,Each row with nine letters.(you can express blanks as 0, * , '.')"));
        break;
    case 3:
        memo2->clear();
        memo2->setPlainText(framedGrid(kExample3));
        Label1->setText(QStringLiteral(
            "Enter any rows,Each row with any letters.(you can express blanks as 0, '.',except '*')"));
        break;
    case 4:
        memo2->clear();
        memo2->setPlainText(framedGrid(kExample4));
        Label1->setText(QStringLiteral("Include nine rows,the rows include digit group,and any string"));
        break;
    default:
        break;
    }
}

void TfrmImport::showEvent(QShowEvent *event)
{
    centerOnScreen(this);
    QDialog::showEvent(event);
}
