// The exchange windows on a running main window: create, check, import,
// play, copy and print.
#include "puzzle/QJ.h"
#include "support/GameDriver.h"

#include "exchange/ImportReader.h"
#include "exchange/Ufrm_new.h"
#include "exchange/UfrmImport.h"
#include "exchange/Ufrmcopy.h"
#include "exchange/Ufrmdas.h"
#include "exchange/Ufrmprint.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using fixture::Game;

namespace {

const char *const kExample1 = "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

// Puts a puzzle string on the create window's board as its numbers.
void enter(Tfrm_new *w, const QString &puzzle)
{
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = w->sdnew->cellAt(i);
        const bool digit = puzzle.at(i) >= QLatin1Char('1') && puzzle.at(i) <= QLatin1Char('9');
        cell->state = digit ? stBigNumber : stCandidates;
        cell->value = digit ? QString(puzzle.at(i)) : QString();
    }
}

} // namespace

class TestExchangeWindows : public QObject {
    Q_OBJECT
private slots:
    void checkPuzzle_data()
    {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty board") << QString(81, '0') << "This puzzle has multiple solution";
        QTest::newRow("one solution") << QString(kExample1) << "Check OK";
        QTest::newRow("clash in a column") << "5" + QString(8, '0') + "5" + QString(71, '0') << "Puzzle is not solvable";
        // Every cell one character: accepted as it stands, even with a clash.
        QTest::newRow("full with a clash") << QString(81, '7') << "Check OK";
    }
    void checkPuzzle()
    {
        QFETCH(QString, puzzle);
        QFETCH(QString, message);
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        enter(w, puzzle);
        w->Button1Click();
        // Many solutions: the same words, as a question (see below).
        const QStringList said = g.messages.reports + g.messages.asked;
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].section('\n', 0, 0), message);
    }

    // Check Puzzle's "multiple solution" offers the viewer: Yes shows two
    // solutions of the window's puzzle, No nothing.
    void checkPuzzleOffersTheViewer()
    {
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        TFrmdas *viewer = g.program->windows().Frmdas;
        enter(w, QString(81, '0'));
        QString shown;
        QTimer::singleShot(0, viewer, [&] {
            shown = viewer->Memo1->toPlainText();
            viewer->close();
        });
        g.messages.answers = {true};
        w->Button1Click();
        QVERIFY(g.messages.asked[0].startsWith("This puzzle has multiple solution\n"));
        QVERIFY(shown.startsWith("Solution 1:\n123456789"));
        QVERIFY(shown.endsWith("987654321"));
        viewer->Memo1->clear();
        w->Button1Click(); // answered No
        QCOMPARE(g.messages.asked.size(), 2);
        QVERIFY(viewer->Memo1->toPlainText().isEmpty());
    }

    // OK on text of no layout says so and keeps the box open with the text.
    void invalidTextStaysToBeMended()
    {
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        TfrmImport *dialog = g.program->windows().frmImport;
        const QString text = QString(kExample1).left(80);
        bool open = false;
        QTimer::singleShot(0, dialog, [&] {
            dialog->memo2->setPlainText(text);
            dialog->Button1->click();
            open = dialog->isVisible();
            dialog->reject();
        });
        dialog->ImportInto(w->sdnew);
        QVERIFY(open);
        QCOMPARE(g.messages.reports, QStringList{"Invalid format."});
        QCOMPARE(dialog->memo2->toPlainText(), text);
        QCOMPARE(w->PuzzleString(), QString(81, '*'));
    }

    // Each sample reads by the rule its hint describes.
    void examplesReadByTheirRules()
    {
        Game g;
        TfrmImport *dialog = g.program->windows().frmImport;
        for (int n = 1; n <= 4; ++n) {
            dialog->ShowExample(n);
            QCOMPARE(importreader::readImport(dialog->memo2->toPlainText()).rule, n);
        }
        QCOMPARE(dialog->memo2->toPlainText().split('\n').first().size(), 94);
    }

    // sudoku-tool reads files through asTextBoxText: it must hold what the
    // box holds after a paste.
    void boxHoldsTheTextAsFilesAreRead()
    {
        Game g;
        QTextEdit *box = g.program->windows().frmImport->memo2;
        const QString text = QString::fromUtf8("1\r\n2\r3\n4\u2028" "5\u2029" "6\u00a0" "7\t8") + QChar(0) + "9\r\n";
        QApplication::clipboard()->setText(text);
        box->clear();
        box->paste();
        QCOMPARE(box->toPlainText(), importreader::asTextBoxText(text));
    }

    // A paste beyond what the box takes is refused whole, with a report; one
    // that replaces the text and fits goes in.
    void pasteBeyondTheBoundIsRefused()
    {
        Game g;
        TfrmImport *dialog = g.program->windows().frmImport;
        dialog->ShowExample(1);
        QApplication::clipboard()->setText(QString(TfrmImport::kMaxText, QLatin1Char('7')));
        dialog->memo2->paste();
        QCOMPARE(dialog->memo2->toPlainText(), QString(kExample1));
        QCOMPARE(g.messages.reports.size(), 1);
        QVERIFY2(g.messages.reports[0].contains(QString::number(TfrmImport::kMaxText + 81)), qPrintable(g.messages.reports[0]));
        dialog->memo2->selectAll();
        dialog->memo2->paste();
        QCOMPARE(dialog->memo2->toPlainText().size(), TfrmImport::kMaxText);
        QCOMPARE(g.messages.reports.size(), 1);
    }

    void importAndPlay()
    {
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        TfrmImport *dialog = g.program->windows().frmImport;
        dialog->ShowExample(1);
        dialog->ReadInto(w->sdnew);
        QCOMPARE(w->PuzzleString().replace('*', '0'), QString(kExample1));
        QCOMPARE(w->sdnew->Cell(1, 1)->value, w->sdnew->CandidatesOf(1, 1));
        w->Button2Click();
        TForm1 *f = g.form;
        QCOMPARE(f->sd991->GivensString(), QString(kExample1));
        QCOMPARE(f->sd991->Cell(1, 2)->state, int(stFixed));
        QCOMPARE(f->ndtxt->text(), QString("  Level:Unknown"));
        QCOMPARE(f->sd991->nd, 5);
        QVERIFY(f->sd991->isEnabled());
        QVERIFY(f->TimeLabel1->timerenabled());
        QCOMPARE(f->QJ1->GetSolution().size(), 81);
        QCOMPARE(g.steps->memostep.size(), 1);
        QCOMPARE(w->result(), int(QDialog::Accepted));
    }

    void playWithTwoSolutions()
    {
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        enter(w, "12" + QString(79, '0'));
        g.messages.answers = {false};
        w->Button2Click();
        QCOMPARE(g.messages.asked, QStringList{"This Puzzle has multiple solutions,Do you want to solve it anyway?"});
        QVERIFY(!g.form->sd991->isEnabled());
        g.messages.answers = {true};
        w->Button2Click();
        QVERIFY(g.form->sd991->isEnabled());
        QVERIFY(g.form->QJ1->GetSolution().isEmpty());
    }

    void invalidImportKeepsTheBoard()
    {
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        TfrmImport *dialog = g.program->windows().frmImport;
        enter(w, kExample1);
        dialog->memo2->setPlainText("12345");
        dialog->ReadInto(w->sdnew);
        QCOMPARE(g.messages.reports, QStringList{"Invalid format."});
        QCOMPARE(w->PuzzleString().replace('*', '0'), QString(kExample1));
    }

    void clicksOnTheCreateBoard()
    {
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        TPicNode *cell = w->sdnew->Cell(1, 1);
        w->MarkMouseDown(cell->marks[5], Qt::LeftButton);
        QCOMPARE(cell->value, QString("5"));
        QCOMPARE(cell->state, int(stBigNumber));
        QVERIFY(!w->sdnew->Cell(1, 9)->value.contains('5'));
        w->CellMouseDown(cell, Qt::RightButton); // other buttons do nothing
        QCOMPARE(cell->value, QString("5"));
        w->CellMouseDown(cell, Qt::LeftButton);
        QCOMPARE(cell->state, int(stCandidates));
        QVERIFY(w->sdnew->Cell(1, 9)->value.contains('5'));
        // Clearing asks first.
        g.messages.answers = {true};
        w->MarkMouseDown(cell->marks[3], Qt::LeftButton);
        w->Button3Click();
        QCOMPARE(cell->value, QString("123456789"));
    }

    void clearGridLeavesNoClash()
    {
        Game g;
        Tfrm_new *w = g.program->windows().frm_new;
        enter(w, "55" + QString(79, '0'));
        w->sdnew->CheckConflicts();
        w->sdnew->ShowAll();
        QCOMPARE(w->sdnew->Cell(1, 1)->panelColor(), w->sdnew->errorcolor);
        g.messages.answers = {true};
        w->Button3Click();
        for (int i = 0; i < 81; ++i) {
            const TPicNode *cell = w->sdnew->cellAt(i);
            QVERIFY(!cell->errflag);
            QCOMPARE(cell->panelColor(), w->sdnew->BoxColor(cell->row, cell->col));
        }
    }

    void loadTakesTheMainBoard()
    {
        Game g;
        g.deal();
        g.form->CellMouseDown(g.cell(1, 2), Qt::LeftButton); // the player's 1
        Tfrm_new *w = g.program->windows().frm_new;
        w->Button5Click();
        QCOMPARE(w->sdnew->Cell(1, 1)->state, int(stBigNumber));
        QCOMPARE(w->sdnew->Cell(1, 2)->value, QString("1"));
        QCOMPARE(w->sdnew->Cell(1, 3)->value, w->sdnew->CandidatesOf(1, 3));
    }

    void copyFillsAndCopies()
    {
        Game g;
        g.deal();
        g.cell(1, 2)->value.clear();
        Tfrmcopy *dialog = g.program->windows().frmcopy;
        QTimer::singleShot(0, dialog, [dialog] { dialog->Button2->click(); });
        g.form->CopyClick();
        QCOMPARE(g.cell(1, 2)->value, g.form->sd991->CandidatesOf(1, 2));
        QCOMPARE(dialog->ItemIndex(), 0);
        QCOMPARE(dialog->memo1->toPlainText().split('\n').size(), 13);
        dialog->choices->button(3)->click();
        QCOMPARE(dialog->memo1->toPlainText(), QString(fixture::kGivens));
        dialog->Button1->click();
        QCOMPARE(g.clipboard.content, QString(fixture::kGivens));
    }

    void printWritesOpensOrSaysWhy_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("opens");
        QTest::newRow("written and opened") << true << true;
        QTest::newRow("nothing opens it") << true << false;
        QTest::newRow("cannot be written") << false << true;
    }
    void printWritesOpensOrSaysWhy()
    {
        QFETCH(bool, writable);
        QFETCH(bool, opens);
        Game g;
        g.deal();
        const QString page = g.dir.filePath("print_temp.htm");
        if (!writable)
            QVERIFY(QDir().mkdir(page));
        g.shell.succeed = opens;
        g.form->PrintableBoardClick();
        const QString shown = '"' + QDir::toNativeSeparators(page) + '"';
        if (!writable) {
            QCOMPARE(g.messages.errors.size(), 1);
            QVERIFY2(g.messages.errors[0].contains(shown) && g.messages.errors[0].contains("directory"),
                     qPrintable(g.messages.errors[0]));
            QVERIFY(g.shell.opened.isEmpty());
            return;
        }
        QCOMPARE(g.shell.opened, QStringList{page});
        QCOMPARE(g.messages.errors, QStringList());
        QCOMPARE(g.messages.reports.size(), opens ? 0 : 1);
        if (!opens)
            QVERIFY2(g.messages.reports[0].contains(shown), qPrintable(g.messages.reports[0]));
        QFile f(page);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count("\r\n"), 201);
    }
};

QTEST_MAIN(TestExchangeWindows)
#include "test_exchange_windows.moc"
