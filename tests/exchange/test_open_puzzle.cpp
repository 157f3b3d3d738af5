// Puzzle files opened in the whole program: the menu's file question, the
// picker of a collection, a dropped text, and what stops a puzzle.
#include "exchange/PuzzleOpener.h"
#include "exchange/PuzzlePicker.h"
#include "puzzle/Levels.h"
#include "support/GameDriver.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QMimeData>
#include <QtTest>

namespace {

const QByteArray kGivens = fixture::kGivens;

// Another puzzle: the known one with its last given dropped (several solutions).
QByteArray sparser()
{
    QByteArray g = kGivens;
    g[g.lastIndexOf('4')] = '0';
    return g;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return {};
    return f.fileName();
}

// Once the picker shows: its rows, each as its cells joined by spaces, go
// into what this returns; then it plays the puzzle at index.
std::shared_ptr<QStringList> pick(int index)
{
    auto shown = std::make_shared<QStringList>();
    QTimer::singleShot(0, [=] {
        auto *picker = qobject_cast<PuzzlePicker *>(QApplication::activeModalWidget());
        QVERIFY(picker);
        const QAbstractItemModel *model = picker->table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            *shown << cells.join(' ');
        }
        picker->choose(index);
        picker->accept();
    });
    return shown;
}

} // namespace

class TestOpenPuzzle : public QObject {
    Q_OBJECT

private slots:
    void menuOpensAFileAsAnUnknownLevelGame()
    {
        fixture::Game g;
        FakeFileChooser files;
        files.answers << writeFile(g.dir, "one.sdk", "#A Someone\n" + kGivens + "\n");
        g.form->OpenPuzzleFile1->trigger();
        QCOMPARE(files.titles, QStringList{"Open Puzzle File"});
        QCOMPARE(g.form->sd991->GivensString().toLatin1(), kGivens);
        QCOMPARE(g.form->ndtxt->text(), levels::caption(levels::kUnknown));
        QCOMPARE(g.form->KnownSolution(), QString::fromLatin1(fixture::kSolution));
        QVERIFY(g.messages.reports.isEmpty());
    }

    void aCollectionOffersThePicker()
    {
        fixture::Game g;
        const QString path = writeFile(g.dir, "three.sdm", kGivens + " first\n" + sparser() + " second\n" + kGivens + "\n");
        const auto shown = pick(1);
        g.messages.answers << true; // several solutions: play it anyway
        g.form->OpenPuzzleFile(path);
        QCOMPARE(*shown, (QStringList{"1 21 Beyond Diabolical first", "2 20 This puzzle has multiple solution second",
                                     "3 21 Beyond Diabolical "}));
        QCOMPARE(g.messages.asked, QStringList{"This Puzzle has multiple solutions,Do you want to solve it anyway?"});
        QCOMPARE(g.form->sd991->GivensString().toLatin1(), sparser());
    }

    void nextPuzzlePlaysTheNextOfTheCollection()
    {
        fixture::Game g;
        QByteArray clash = kGivens;
        clash[1] = '8';
        const QByteArray easy = QByteArray(fixture::kSolution).replace(0, 9, QByteArray(9, '0'));
        const QString path = writeFile(g.dir, "four.sdm", kGivens + "\n" + clash + "\n" + easy + "\n" + kGivens + "\n");
        const auto nextEnabled = [&] {
            emit g.form->File1->aboutToShow();
            return g.form->NextPuzzle1->isEnabled();
        };
        QVERIFY(!nextEnabled());
        pick(0);
        g.form->OpenPuzzleFile(path);
        QVERIFY(nextEnabled());
        g.form->NextPuzzle1->trigger(); // refused, and passed
        QCOMPARE(g.messages.reports, QStringList{"Puzzle is not solvable"});
        QCOMPARE(g.form->sd991->GivensString().toLatin1(), kGivens);
        g.form->NextPuzzle1->trigger();
        QCOMPARE(g.form->sd991->GivensString().toLatin1(), easy);
        QCOMPARE(g.form->ndtxt->text(), levels::caption(levels::kUnknown));
        g.form->NextPuzzle1->trigger();
        QCOMPARE(g.form->sd991->GivensString().toLatin1(), kGivens);
        QVERIFY(!nextEnabled());
    }

    void droppedFileOrTextIsPlayed()
    {
        fixture::Game g;
        QMimeData text;
        text.setText(QStringLiteral("https://example.org/?bd=") + QString::fromLatin1(kGivens));
        g.form->OpenDropped(text);
        QCOMPARE(g.form->sd991->GivensString().toLatin1(), kGivens);

        fixture::Game h;
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(writeFile(h.dir, "one.ss", kGivens))});
        file.setText(QStringLiteral("ignored: the file is read"));
        h.form->OpenDropped(file);
        QCOMPARE(h.form->sd991->GivensString().toLatin1(), kGivens);
    }

    void whatStopsAPuzzleLeavesTheBoard_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("report");
        QByteArray clash = kGivens;
        clash[1] = '8'; // beside the 8 of row 1
        QTest::newRow("not solvable") << clash << "Puzzle is not solvable";
        QTest::newRow("no puzzle") << QByteArray("Dear player\n")
                                   << "bad.txt holds no puzzle: it has no line of 81 cells, no grid of nine rows of "
                                      "nine, no puzzle address (bd=), game ID, library line or OpenSudoku game.";
    }
    void whatStopsAPuzzleLeavesTheBoard()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, report);
        fixture::Game g;
        g.deal();
        g.form->OpenPuzzleFile(writeFile(g.dir, "bad.txt", file));
        QCOMPARE(g.messages.reports, QStringList{report});
        QCOMPARE(g.form->sd991->GivensString().toLatin1(), kGivens);
    }
};

QTEST_MAIN(TestOpenPuzzle)
#include "test_open_puzzle.moc"
