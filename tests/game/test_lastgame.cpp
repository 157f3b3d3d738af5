// The last game across runs: what closing writes, what continuing restores,
// and damaged files.
#include "puzzle/QJ.h"
#include "support/GameDriver.h"

#include "exchange/Ufrm_new.h"
#include "exchange/UfrmImport.h"
#include "records/GameRecordFile.h"

#include <QTest>
#include <QTextEdit>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <random>

using fixture::Game;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QString path(const Game &g) { return g.dir.filePath("lastgame.dat"); }

} // namespace

class TestLastGame : public QObject {
    Q_OBJECT
private slots:
    void closingWithoutAGame()
    {
        Game g;
        g.close();
        QCOMPARE(contents(path(g)), QByteArray("0 \r\n\r\n"));
        // Continuing it only clears the board.
        g.open();
        g.form->Con1Click();
        QCOMPARE(g.cell(1, 1)->state, int(stCandidates));
        QVERIFY(!g.form->sd991->isEnabled());
    }

    void roundTrip()
    {
        Game g;
        g.deal();
        g.play->setLevel(2);
        for (int c : {2, 3, 4}) {
            g.form->disnote[g.solutionAt(1, c).toInt()]->click();
            g.form->CellMouseDown(g.cell(1, c), Qt::LeftButton);
            g.form->TimeLabel1Timer();
        }
        QCOMPARE(g.steps->memostep.size(), 4);
        // Step back three times, then close: the newest step still comes back.
        for (int i = 0; i < 3; ++i)
            g.form->tbbackClick();
        const QStringList steps = g.steps->memostep;
        g.close();

        const QByteArray bytes = contents(path(g));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 2 + 4 + 1); // CR LF after the last line too
        QCOMPARE(lines[0], QByteArray("2 ") + fixture::kGivens + "\r");
        QCOMPARE(lines[1], QByteArray(fixture::kSolution) + "\r");
        QCOMPARE(lines[5], steps.last().toLatin1() + "\r");
        QVERIFY(bytes.endsWith("\r\n"));

        g.open();
        g.form->TimeLabel1->setMS(7000);
        g.form->rb_all->setChecked(true);
        g.form->Con1Click();
        QCOMPARE(g.steps->memostep, steps);
        QCOMPARE(g.steps->curstep, 3);
        for (int c : {2, 3, 4}) {
            QCOMPARE(g.cell(1, c)->state, int(stBigNumber));
            QCOMPARE(g.cell(1, c)->value, g.solutionAt(1, c));
        }
        QCOMPARE(g.cell(1, 1)->state, int(stFixed));
        QVERIFY(g.form->tbback->isEnabled() && g.form->tbfirst->isEnabled());
        QVERIFY(!g.form->tbnext->isEnabled() && !g.form->tblast->isEnabled());
        QCOMPARE(g.form->ndtxt->text(), QString("  Level:Moderate"));
        QCOMPARE(g.form->sd991->nd, 2);
        QVERIFY(g.form->rb_none->isChecked());
        QVERIFY(g.form->sd991->isEnabled());
        QVERIFY(g.form->TimeLabel1->timerenabled());
        QCOMPARE(g.form->TimeLabel1->MS(), 0);
        QCOMPARE(g.form->QJ1->GetSolution(), QString(fixture::kSolution));
    }

    // Each move is recorded as it is made, with no tick between: the
    // winning one too, so the solved game continues solved.
    void everyMoveRecordedTheWinningOneToo()
    {
        Game g;
        g.deal();
        const QString s = QString::fromLatin1(fixture::kSolution);
        for (int i = 0; i < 81; ++i)
            if (g.form->sd991->cellAt(i)->state == stCandidates) {
                g.form->PlaceDigit(g.form->sd991->cellAt(i), s.mid(i, 1));
                QCoreApplication::processEvents();
            }
        QVERIFY(!g.form->WC_Label->isHidden());
        const QString solved = BoardToStepLine(g.form->sd991->grid());
        QCOMPARE(g.steps->memostep.last(), solved);
        const int open = static_cast<int>(QString::fromLatin1(fixture::kGivens).count('0'));
        QCOMPARE(g.steps->memostep.size(), 1 + open);
        g.reopen();
        g.form->Con1Click();
        QCOMPARE(BoardToStepLine(g.form->sd991->grid()), solved);
    }

    void recordsByHand()
    {
        Game g;
        g.deal();
        const QString step = BoardToStepLine(g.form->sd991->grid());
        // One step, no solution, level 3.
        g.reopen();
        put(path(g), "3 " + QByteArray(fixture::kGivens) + "\n\n" + step.toLatin1() + "\n");
        g.form->Con1Click();
        QCOMPARE(g.form->ndtxt->text(), QString("  Level:Tough"));
        QCOMPARE(g.form->sd991->nd, 3);
        QVERIFY(g.form->QJ1->GetSolution().isEmpty());
        for (QToolButton *b : {g.form->tbfirst, g.form->tbback, g.form->tbnext, g.form->tblast})
            QVERIFY(!b->isEnabled());
        // No solution known: a wrong digit is not marked.
        g.form->disnote[5]->click();
        g.form->CellMouseDown(g.cell(1, 2), Qt::LeftButton);
        QCOMPARE(g.cell(1, 2)->fontColor(), g.form->sd991->FONTColor2);
        // With the solution known it is.
        put(path(g), "3 " + QByteArray(fixture::kGivens) + "\r" + fixture::kSolution + "\r" + step.toLatin1());
        g.form->Con1Click();
        g.form->disnote[5]->click();
        g.form->CellMouseDown(g.cell(1, 2), Qt::LeftButton);
        QCOMPARE(g.cell(1, 2)->fontColor(), 174);
    }

    void noFileChangesNothing()
    {
        Game g;
        g.deal();
        const QString before = BoardToStepLine(g.form->sd991->grid());
        g.form->Con1Click();
        QCOMPARE(BoardToStepLine(g.form->sd991->grid()), before);
        // A directory of that name is no file either.
        QVERIFY(QDir(g.dir.path()).mkdir("lastgame.dat"));
        g.form->Con1Click();
        QCOMPARE(BoardToStepLine(g.form->sd991->grid()), before);
        QVERIFY(g.form->sd991->isEnabled());
        QVERIFY(QDir(g.dir.path()).rmdir("lastgame.dat"));
    }

    void openingAndClosingKeepsTheLastGame()
    {
        Game g;
        g.deal();
        g.close();
        const QByteArray saved = contents(path(g));
        QVERIFY(saved.size() > 200);
        // A run that deals nothing, or only fails to continue a record,
        // leaves it for the next run.
        g.open();
        g.close();
        QCOMPARE(contents(path(g)), saved);
        g.open();
        g.form->ClearGame();
        g.close();
        QCOMPARE(contents(path(g)), saved);
        // A run that plays replaces it.
        g.open();
        g.form->Con1Click();
        g.form->CellMouseDown(g.cell(1, 2), Qt::LeftButton);
        g.form->TimeLabel1Timer();
        g.close();
        QVERIFY(contents(path(g)) != saved);
    }

    // A game started from any reading rule of the import dialog, saved and
    // continued, comes back as it was: candidate groups with dots, repeats
    // or more than nine digits included.
    void importedGameContinues_data()
    {
        QTest::addColumn<int>("example");
        QTest::addColumn<QString>("from"); // changed in the example's text
        QTest::addColumn<QString>("to");
        QTest::newRow("rule 1") << 1 << QString() << QString();
        QTest::newRow("rule 2") << 2 << QString() << QString();
        QTest::newRow("rule 3") << 3 << QString() << QString();
        QTest::newRow("rule 4") << 4 << QString() << QString();
        QTest::newRow("rule 4, dots in a group") << 4 << " 13789 " << " 1.3.7.8.9 ";
        QTest::newRow("rule 4, a group of dots") << 4 << " 13789 " << " .. ";
        QTest::newRow("rule 4, a long run") << 4 << " 12379 " << " 123791237912379 ";
    }
    void importedGameContinues()
    {
        QFETCH(int, example);
        QFETCH(QString, from);
        QFETCH(QString, to);
        Game g;
        Tfrm_new *create = g.program->windows().frm_new;
        TfrmImport *dialog = g.program->windows().frmImport;
        dialog->ShowExample(example);
        if (!from.isEmpty()) {
            const QString text = dialog->memo2->toPlainText();
            QVERIFY(text.contains(from));
            dialog->memo2->setPlainText(QString(text).replace(text.indexOf(from), from.size(), to));
        }
        dialog->ReadInto(create->sdnew);
        g.messages.answers << true; // play it even with several solutions
        create->Button2Click();
        QCOMPARE(g.messages.reports, QStringList());
        QVERIFY(g.form->sd991->isEnabled());
        const QString played = BoardToStepLine(g.form->sd991->grid());
        g.close();
        g.open();
        g.form->Con1Click();
        QCOMPARE(BoardToStepLine(g.form->sd991->grid()), played);
        QVERIFY(g.form->sd991->isEnabled());
    }

    void damagedRecordsFailQuietly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray step = "11" + QByteArray(",3").repeated(80);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("level not a digit") << "x " + QByteArray(81, '0') + "\r\n\r\n" + step + "\r\n";
        QTest::newRow("givens not digits") << "1 " + QByteArray(81, 'a') + "\r\n\r\n" + step + "\r\n";
        QTest::newRow("no step") << "1 " + QByteArray(81, '0') + "\r\n\r\n";
        QTest::newRow("state 7") << "1 " + QByteArray(81, '0') + "\r\n\r\n" + "71" + QByteArray(",3").repeated(80);
        QTest::newRow("state 0") << "1 " + QByteArray(81, '0') + "\r\n\r\n" + "01" + QByteArray(",3").repeated(80);
        QTest::newRow("binary") << QByteArray("\x00\xff\r\x01\n\x80", 6);
        QTest::newRow("one huge line") << QByteArray(4 * 1024 * 1024, '7');
        // Valid header, then steps that would blow up if repeated per cell.
        const QByteArray head = "1 " + QByteArray(81, '0') + "\r\n\r\n";
        QTest::newRow("1 MB step without commas") << head + "3" + QByteArray(1024 * 1024, '1') + "\r\n";
        QTest::newRow("step of 891 characters") << head + "11" + QByteArray(",3").repeated(80) + QByteArray(729, ',') + "\r\n";
        QTest::newRow("value of ten digits") << head + "31234567891" + QByteArray(",3").repeated(80) + "\r\n";
        QTest::newRow("value with a 0") << head + "310" + QByteArray(",3").repeated(80) + "\r\n";
        QTest::newRow("value with a letter") << head + "31a" + QByteArray(",3").repeated(80) + "\r\n";
        // The solver would read it as a blank: Show Solution would fail later.
        QTest::newRow("given of two digits") << head + "112" + QByteArray(",3").repeated(80) + "\r\n";
    }
    void damagedRecordsFailQuietly()
    {
        QFETCH(QByteArray, bytes);
        Game g;
        g.deal();
        g.form->rb_all->setChecked(true);
        put(path(g), bytes);
        g.form->Con1Click();
        QVERIFY(g.messages.errors.isEmpty());
        QVERIFY(g.messages.reports.isEmpty());
        // The board was cleared and mode None with digit 1 selected.
        QVERIFY(g.form->rb_none->isChecked());
        QCOMPARE(g.form->SelectedDigit(), 1);
        for (int i = 0; i < 81; ++i) {
            QCOMPARE(g.form->sd991->cellAt(i)->state, int(stCandidates));
            QVERIFY(g.form->sd991->cellAt(i)->value.isEmpty());
        }
        // Steps enter the history only when every one of them reads back.
        OwnedGrid scratch;
        for (const QString &step : std::as_const(g.steps->memostep))
            StepLineToBoard(scratch.grid(), step);
        QVERIFY(g.form->QJ1->GetSolution().isEmpty());
    }

    void failedSaveIsReportedAndClosingGoesOn()
    {
        Game g;
        g.deal();
        // A directory where the file should be: the write cannot replace it.
        QVERIFY(QDir(g.dir.path()).mkdir("lastgame.dat"));
        g.close();
        QCOMPARE(g.messages.reports.size(), 1);
        QVERIFY(g.messages.reports.first().contains("lastgame.dat"));
        QVERIFY(QFileInfo(path(g)).isDir());
    }

    void mutatedRecordsNeverCrash()
    {
        // A seeded mutation loop over a good record: every damaged variant
        // either loads or fails quietly, and the window stays usable.
        Game g;
        g.deal();
        g.form->CellMouseDown(g.cell(1, 2), Qt::LeftButton);
        g.form->TimeLabel1Timer();
        g.close();
        const QByteArray good = contents(path(g));
        g.open();
        std::mt19937 rng(42);
#ifdef NODALA_SANITIZED
        const int rounds = 150;
#else
        const int rounds = 1500;
#endif
        for (int n = 0; n < rounds; ++n) {
            QByteArray bytes = good;
            const int edits = 1 + static_cast<int>(rng() % 8);
            for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
                const qsizetype at = static_cast<qsizetype>(rng() % static_cast<unsigned>(bytes.size()));
                switch (rng() % 4) {
                case 0:
                    bytes[at] = static_cast<char>(rng() % 256);
                    break;
                case 1:
                    bytes.remove(at, static_cast<qsizetype>(rng() % 200));
                    break;
                case 2:
                    bytes.insert(at, bytes.mid(static_cast<qsizetype>(rng() % static_cast<unsigned>(bytes.size())), 50));
                    break;
                default:
                    bytes.insert(at, "\r\n,,3");
                    break;
                }
            }
            put(path(g), bytes);
            // As the program dispatches them: guarded handlers.
            seams::guard([&] { g.form->Con1Click(); });
            seams::guard([&] { g.form->tbbackClick(); });
            seams::guard([&] { g.form->TimeLabel1Timer(); });
        }
        // A record that loads never holds a step that fails later.
        QVERIFY2(g.messages.errors.isEmpty(), qPrintable(g.messages.errors.value(0)));
    }
};

QTEST_MAIN(TestLastGame)
#include "test_lastgame.moc"
