#include "exchange/Ufrmdas.h"

#include "board/Colors.h"
#include "periphery/Centering.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

TFrmdas::TFrmdas(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Frmdas"));
    setWindowTitle(QStringLiteral("Multiple Solutions Viewer"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Rows of digits line up only in a fixed-pitch font.
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    setFixedSize(260, 460);
}

QString TFrmdas::SolutionsText(const QString &first, const QString &second)
{
    QStringList lines;
    auto rows = [&](const QString &solution) {
        for (int r = 0; r < 9; ++r)
            lines << solution.mid(r * 9, 9);
    };
    lines << QStringLiteral("Solution 1:");
    rows(first);
    lines << QString() << QString() << QStringLiteral("Solution 2:");
    rows(second);
    return lines.join(QLatin1Char('\n'));
}

QList<int> TFrmdas::DifferingCells(const QString &first, const QString &second)
{
    QList<int> cells;
    for (int i = 0; i < 81 && i < first.size() && i < second.size(); ++i)
        if (first[i] != second[i])
            cells << i;
    return cells;
}

void TFrmdas::Fill(const QString &first, const QString &second)
{
    Memo1->setPlainText(SolutionsText(first, second));
    // The cells where the solutions part are what makes the puzzle
    // ambiguous: marked in both grids, the text itself unchanged.
    QTextCharFormat mark;
    mark.setFontWeight(QFont::Bold);
    mark.setBackground(toQColor(clr::HintCell));
    mark.setForeground(toQColor(clr::Black));
    QList<QTextEdit::ExtraSelection> marks;
    for (const int cell : DifferingCells(first, second))
        for (const int firstLine : {kFirstRows, kSecondRows}) {
            QTextCursor at(Memo1->document()->findBlockByNumber(firstLine + cell / 9));
            at.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, cell % 9);
            at.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor);
            marks.append({at, mark});
        }
    Memo1->setExtraSelections(marks);
}

void TFrmdas::ShowSolutions(const QString &first, const QString &second)
{
    Fill(first, second);
    exec();
}

void TFrmdas::showEvent(QShowEvent *event)
{
    centerOnScreen(this);
    QDialog::showEvent(event);
}
