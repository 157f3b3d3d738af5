// Options: each one's default is the specified behaviour; turned on it
// takes effect at once and is kept across restarts in its own file.
#include "board/BoardAccessible.h"
#include "game/StatusLine.h"
#include "play/GameOptions.h"
#include "play/OptionsDialog.h"
#include "support/GameDriver.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTest>

using fixture::Game;

namespace {
OptionsDialog &optionsOf(Game &g) { return *g.program->windows().frmOptions; }
void set(Game &g, int row, bool on) { optionsOf(g).box(row)->setChecked(on); }
QList<QPoint> flagged(Game &g)
{
    QList<QPoint> out;
    for (int i = 0; i < 81; ++i)
        if (g.form->sd991->cellAt(i)->errflag)
            out << QPoint(i / 9 + 1, i % 9 + 1);
    return out;
}
} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void fileDefaultsAndRoundTrip()
    {
        QCOMPARE(options::parse(""), options::GameOptions{});
        QCOMPARE(options::parse("EveryClash=1\nWrongDigits=2\r\nbogus\rAskNewGame=1\nPauseMinimised=0"),
                 (options::GameOptions{.everyClash = true, .wrongDigits = true, .askNewGame = true, .pauseMinimised = false}));
        QCOMPARE(options::format({}), QByteArray("[Options]\r\nEveryClash=0\r\nWrongDigits=1\r\nAskNewGame=0\r\nPauseMinimised=1\r\n"));
        const options::GameOptions flipped{.everyClash = true, .wrongDigits = false, .askNewGame = true, .pauseMinimised = false};
        QCOMPARE(options::parse(options::format(flipped)), flipped);
    }

    void keptAcrossRestartsBesideVorelIni()
    {
        Game g;
        g.close();
        QFile ini(g.dir.filePath("vorel.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray vorel = ini.readAll();
        ini.close();
        g.open();
        set(g, 0, true);
        set(g, 1, false);
        g.reopen();
        QVERIFY(optionsOf(g).box(0)->isChecked());
        QVERIFY(!optionsOf(g).box(1)->isChecked());
        QVERIFY(g.form->sd991->allClashes);
        g.close();
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), vorel);
    }

    // Three clashes: the specified first pair, or every cell sharing a
    // digit with a peer, givens included.
    void everyClashingCell()
    {
        Game g;
        g.deal();
        g.form->PlaceDigit(g.cell(1, 2), "8");  // clashes with the given 8 at 1,1
        g.form->PlaceDigit(g.cell(9, 1), "4");  // with the given 4 at 9,7
        QCOMPARE(flagged(g).size(), 2);
        set(g, 0, true);
        QCOMPARE(flagged(g), (QList<QPoint>{{1, 1}, {1, 2}, {9, 1}, {9, 7}}));
        QCOMPARE(g.cell(9, 7)->panelColor(), g.form->sd991->errorcolor);
        set(g, 0, false);
        QCOMPARE(flagged(g).size(), 2);
    }

    void digitsDifferingFromTheSolution()
    {
        Game g;
        g.deal();
        const QString wrong = g.solutionAt(1, 2) == "1" ? "2" : "1";
        g.form->PlaceDigit(g.cell(1, 2), wrong);
        QCOMPARE(g.cell(1, 2)->fontColor(), 174);
        set(g, 1, false);
        QCOMPARE(g.cell(1, 2)->fontColor(), g.form->sd991->FONTColor2);
        set(g, 1, true);
        QCOMPARE(g.cell(1, 2)->fontColor(), 174);
    }

    // A screen reader hears the play model, never the paint: big numbers
    // drawn in the wrong-digit colour are not called wrong.
    void wrongDigitsSaidFromTheModel()
    {
        Game g;
        g.form->sd991->FONTColor2 = clr::WrongDigit;
        g.deal();
        const QString wrong = g.solutionAt(1, 2) == "1" ? "2" : "1";
        g.form->PlaceDigit(g.cell(1, 2), wrong);
        g.form->PlaceDigit(g.cell(9, 1), g.solutionAt(9, 1));
        QCOMPARE(g.cell(9, 1)->fontColor(), g.cell(1, 2)->fontColor());
        const QString notPart = QStringLiteral("not part of the solution");
        QVERIFY(boardaccessible::cellName(*g.cell(1, 2)).endsWith(notPart));
        QVERIFY(!boardaccessible::cellName(*g.cell(9, 1)).contains(notPart));
        set(g, 1, false);
        QVERIFY(!boardaccessible::cellName(*g.cell(1, 2)).contains(notPart));
    }

    // The first pair shows; the status bar counts every clash, each pair
    // of cells once.
    void statusCountsTheClashes()
    {
        Game g;
        g.deal();
        g.form->PlaceDigit(g.cell(1, 2), "8"); // the given 8 at 1,1: its row and box, one clash
        QCoreApplication::processEvents();
        QVERIFY(!g.form->sb1->panelText().contains("clashes"));
        g.form->PlaceDigit(g.cell(9, 1), "4"); // the given 4 at 9,7
        QTRY_COMPARE(g.form->sb1->panelText(), QString("2 clashes on the board"));
        QCOMPARE(flagged(g).size(), 2);
        g.form->CellMouseDown(g.cell(9, 1), Qt::RightButton);
        QTRY_COMPARE(g.form->sb1->panelText(), QString());
    }

    void askBeforeReplacingAGameInProgress()
    {
        Game g;
        g.deal();
        g.form->NewGameClick(1); // off: no question
        QVERIFY(g.messages.asked.isEmpty());
        QCOMPARE(g.form->sd991->nd, 1);
        set(g, 2, true);
        g.form->NewGameClick(3);
        QCOMPARE(g.messages.asked.size(), 1);
        QCOMPARE(g.form->sd991->nd, 1); // No keeps the game
        g.messages.answers << true;
        g.form->NewGameClick(3);
        QCOMPARE(g.form->sd991->nd, 3);
        g.form->WC_Label->show(); // a finished game is replaced without asking
        g.form->NewGameClick(4);
        QCOMPARE(g.messages.asked.size(), 2);
        QCOMPARE(g.form->sd991->nd, 4);
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
