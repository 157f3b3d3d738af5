// Play through the widgets: the three candidate modes, the digit pad, the
// popup menu of candidates, the counters, the colours and the finish.
#include "game/DigitPad.h"
#include "game/main.h"
#include "records/Ufrmstep.h"
#include "support/GameDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

const char *const kSolution = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

QStringList menuItems(QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text() + "=" + a->statusTip());
    return out;
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT

    std::unique_ptr<fixture::Game> game;
    TForm1 *form = nullptr;
    Tfrmstep *history = nullptr;

    TPicNode *cell(int r, int c) { return form->sd991->Cell(r, c); }

    // The solved grid with the listed cells open (empty list) and the game
    // running as after a deal: mode None, digit 1 down.
    // The solution with the open cells blank, dealt without it.
    void position(const QList<QPair<int, int>> &open)
    {
        QString givens = QString::fromLatin1(kSolution);
        for (const auto &rc : open)
            givens[(rc.first - 1) * 9 + rc.second - 1] = '0';
        game->deal(false, givens);
    }

    void click(QWidget *w, Qt::MouseButton b) { QTest::mouseClick(w, b, {}, QPoint(w->width() / 2, w->height() / 2)); }
    // A right click on a cell: the button goes down, then its popup opens.
    // The menu is answered, not shown: ppPopup builds it the way the open would.
    void rightClickCell(TPicNode *c)
    {
        click(c, Qt::RightButton);
        if (c->PopupMenu())
            form->ppPopup(c);
        else
            form->pp->clear();
    }
    void choose(const QString &caption)
    {
        for (QAction *a : form->pp->actions())
            if (a->text() == caption) {
                a->trigger();
                return;
            }
        QFAIL(qPrintable("no menu item " + caption));
    }

private slots:
    void init()
    {
        game = std::make_unique<fixture::Game>();
        form = game->form;
        history = game->steps;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup() { game.reset(); }

    void modeNone()
    {
        position({{1, 1}, {1, 2}, {5, 5}});
        TPicNode *a = cell(1, 1);
        click(a, Qt::LeftButton);
        QCOMPARE(a->state, int(stBigNumber));
        QCOMPARE(a->value, QString("1"));
        QCOMPARE(a->caption(), QString("1"));
        // Another digit replaces it; no candidate list is touched.
        const QString before = cell(1, 2)->value;
        form->disnote[4]->click();
        click(a, Qt::LeftButton);
        QCOMPARE(a->value, QString("4"));
        QCOMPARE(cell(1, 2)->value, before);
        // Right click empties it; on a given it changes nothing.
        click(a, Qt::RightButton);
        QCOMPARE(a->state, int(stCandidates));
        QVERIFY(a->value.isEmpty());
        click(cell(9, 9), Qt::RightButton);
        QCOMPARE(cell(9, 9)->value, QString("2"));
        QCOMPARE(cell(9, 9)->state, int(stFixed));
        // The cells holding the selected digit are highlighted.
        QCOMPARE(cell(1, 4)->panelColor(), form->sd991->highcolor); // the given 4
        QVERIFY(!form->sd991->Cell(1, 1)->PopupMenu());
    }

    void releasedDigitWritesNothing()
    {
        position({{1, 1}, {2, 2}});
        form->rb_all->setChecked(true);
        form->disnote[3]->click();
        QCOMPARE(form->SelectedDigit(), 3);
        form->rb_none->setChecked(true); // a digit is down: the permission stays
        form->disnote[3]->click();
        QCOMPARE(form->SelectedDigit(), 0);
        click(cell(1, 1), Qt::LeftButton);
        QCOMPARE(cell(1, 1)->state, int(stCandidates));
        // No highlight with no digit down.
        for (int i = 0; i < 81; ++i)
            QVERIFY(form->sd991->cellAt(i)->panelColor() != form->sd991->highcolor);
        click(cell(2, 2), Qt::RightButton);
        QVERIFY(cell(2, 2)->value.isEmpty());
    }

    void modeAllMarks()
    {
        // Lists set by hand: (1,1) holds 27 and its peer (2,1) holds 47.
        position({{1, 1}, {1, 2}, {2, 1}});
        form->rb_all->setChecked(true);
        QCOMPARE(form->SelectedDigit(), 1); // mode All keeps the digit but allows all up
        QVERIFY(form->digitPad->allowAllUp());
        cell(1, 1)->value = "27";
        cell(2, 1)->value = "47";
        form->sd991->ShowAll();
        QVERIFY(!cell(1, 1)->marks[7]->isHidden());
        click(cell(1, 1)->marks[7], Qt::LeftButton);
        QCOMPARE(cell(1, 1)->state, int(stBigNumber));
        QCOMPARE(cell(1, 1)->value, QString("7"));
        QCOMPARE(cell(2, 1)->value, QString("4")); // auto update struck it
        QCOMPARE(form->ppTag, -1);

        // A left click on the big number takes it back and gives 7 back.
        click(cell(1, 1), Qt::LeftButton);
        QCOMPARE(cell(1, 1)->state, int(stCandidates));
        QCOMPARE(cell(1, 1)->value, QString("1"));
        QCOMPARE(cell(2, 1)->value, QString("4")); // 7 stays out: row 2 holds a 7
        QCOMPARE(form->ppTag, 0);
    }

    void rightClickOnMark()
    {
        position({{1, 1}, {1, 2}});
        form->rb_all->setChecked(true);
        cell(1, 1)->value = "27";
        form->sd991->ShowAll();
        QTest::mouseClick(cell(1, 1)->marks[2], Qt::RightButton, {}, QPoint(6, 6));
        QCOMPARE(cell(1, 1)->value, QString("7"));
        QCOMPARE(cell(1, 1)->state, int(stBigNumber));
        // The popup that the right button opens next shows nothing.
        form->ppPopup(cell(1, 1));
        QVERIFY(form->pp->isEmpty());
        // Deleting the last candidate leaves an empty open cell.
        cell(1, 2)->value = "2";
        cell(1, 2)->state = stCandidates;
        form->sd991->ShowAll();
        QTest::mouseClick(cell(1, 2)->marks[2], Qt::RightButton, {}, QPoint(6, 6));
        QCOMPARE(cell(1, 2)->state, int(stCandidates));
        QCOMPARE(cell(1, 2)->value, QString(""));
    }

    void candidateMenu()
    {
        position({{1, 1}, {5, 5}});
        form->rb_all->setChecked(true);
        cell(1, 1)->value = "1469";
        rightClickCell(cell(1, 1));
        QCOMPARE(menuItems(form->pp),
                 (QStringList{"Add 2=+2", "Add 3=+3", "Add 5=+5", "Add 7=+7", "Add 8=+8", "-", "Move 1=-1",
                              "Move 4=-4", "Move 6=-6", "Move 9=-9", "-", "Regenerate Candidate Numbers=X"}));
        choose("Move 4");
        QCOMPARE(cell(1, 1)->value, QString("169"));
        rightClickCell(cell(1, 1));
        choose("Add 3");
        QCOMPARE(cell(1, 1)->value, QString("1369"));
        rightClickCell(cell(1, 1));
        choose("Regenerate Candidate Numbers");
        QCOMPARE(cell(1, 1)->value, QString("1"));

        cell(5, 5)->value = "";
        rightClickCell(cell(5, 5));
        const QStringList empty = menuItems(form->pp);
        QCOMPARE(empty.size(), 11); // nine Add items, no first separator
        QCOMPARE(empty[8], QString("Add 9=+9"));
        QCOMPARE(empty[9], QString("-"));
    }

    void menuOnBigNumbers()
    {
        // Row 1 open at (1,1) and (1,5): 1 and 5 are their candidates.
        position({{1, 1}, {1, 5}});
        form->rb_all->setChecked(true);
        TPicNode *c = cell(1, 5);
        c->value = "5";
        c->state = stBigNumber;
        form->sd991->RemoveFromPeers(1, 5);
        cell(1, 1)->value = "1";
        rightClickCell(c);
        choose("Add 3");
        QCOMPARE(c->state, int(stCandidates));
        QCOMPARE(c->value, QString("35"));
        QCOMPARE(cell(1, 1)->value, QString("1")); // 5 does not fit (1,1)

        c->value = "5";
        c->state = stBigNumber;
        rightClickCell(c);
        choose("Move 5");
        QCOMPARE(c->state, int(stCandidates));
        QCOMPARE(c->value, QString(""));
    }

    void onlyOneMode()
    {
        position({{1, 1}, {1, 2}, {2, 1}});
        form->disnote[4]->click();
        form->rb_one->setChecked(true);
        QCOMPARE(form->SelectedDigit(), 4);
        QVERIFY(!form->digitPad->allowAllUp());
        // (1,1) list 1, (1,2) list 2, (2,1) list 4.
        QVERIFY(!cell(1, 1)->PopupMenu());
        QVERIFY(cell(2, 1)->PopupMenu());
        QVERIFY(!cell(1, 1)->marks[1]->isHidden()); // single candidates show
        form->disnote[2]->click();
        QVERIFY(cell(1, 2)->PopupMenu());
        QVERIFY(!cell(2, 1)->PopupMenu());
        QVERIFY(!cell(5, 5)->PopupMenu()); // givens never carry it
    }

    void switchToAllFillsLists()
    {
        position({{1, 1}, {1, 2}, {2, 2}});
        // Digits placed in mode None stay in the lists while auto update is off.
        form->disnote[2]->click();
        click(cell(1, 2), Qt::LeftButton);
        cell(2, 2)->value = "25";
        form->cbautoupdate->setChecked(false);
        form->rb_all->setChecked(true);
        QCOMPARE(cell(2, 2)->value, QString("25"));
        QCOMPARE(cell(1, 1)->value, QString("1"));
        form->rb_none->setChecked(true);
        form->cbautoupdate->setChecked(true);
        form->rb_all->setChecked(true);
        QCOMPARE(cell(2, 2)->value, QString("5"));
        // An emptied cell gets its list back.
        form->rb_none->setChecked(true);
        click(cell(1, 2), Qt::RightButton);
        form->rb_all->setChecked(true);
        QCOMPARE(cell(1, 2)->value, QString("2"));
    }

    void countersAndColours()
    {
        position({{1, 5}, {9, 9}});
        // Eight 5s left: blue and 8; the open cell with the single list 5 does not count.
        QCOMPARE(form->ProgressBar[5]->value(), 8);
        QCOMPARE(form->ProgressBar[5]->property("TColor").toInt(), 16711680);
        form->disnote[5]->click();
        click(cell(1, 5), Qt::LeftButton);
        QCOMPARE(form->ProgressBar[5]->value(), 9);
        QCOMPARE(form->ProgressBar[5]->property("TColor").toInt(), 255);
        click(cell(1, 5), Qt::RightButton);
        QCOMPARE(form->ProgressBar[5]->value(), 8);

        // A clash paints both cells in the error colour.
        form->disnote[1]->click();
        click(cell(1, 5), Qt::LeftButton);
        QVERIFY(cell(1, 5)->errflag);
        QVERIFY(cell(1, 1)->errflag);
        QCOMPARE(cell(1, 5)->panelColor(), form->sd991->errorcolor);
        QCOMPARE(form->CellColor(1, 1), form->sd991->errorcolor);
        // The given 1 elsewhere is highlighted, an open cell never.
        QCOMPARE(form->CellColor(2, 7), form->sd991->highcolor);
        QCOMPARE(form->CellColor(9, 9), form->sd991->BoxColor(9, 9));
    }

    void finishing()
    {
        position({{1, 1}, {9, 9}});
        // A clash on the last cell does not finish.
        form->disnote[1]->click();
        click(cell(9, 9), Qt::LeftButton);
        click(cell(1, 1), Qt::LeftButton);
        QVERIFY(form->WC_Label->isHidden());
        QVERIFY(cell(9, 9)->errflag);
        // The right digit does.
        form->disnote[2]->click();
        click(cell(9, 9), Qt::LeftButton);
        QVERIFY(!form->WC_Label->isHidden());
        QVERIFY(!form->sd991->isEnabled());
        QVERIFY(!form->TimeLabel1->timerenabled());
        // A finished board takes no more clicks.
        click(cell(9, 9), Qt::RightButton);
        QCOMPARE(cell(9, 9)->value, QString("2"));
    }

    void finishingFromAMark()
    {
        position({{4, 4}});
        form->rb_all->setChecked(true);
        QCOMPARE(cell(4, 4)->value, QString("3"));
        click(cell(4, 4)->marks[3], Qt::LeftButton);
        QVERIFY(!form->WC_Label->isHidden());
        QVERIFY(!form->sd991->isEnabled());
    }

    void stepping()
    {
        position({{1, 1}, {1, 2}, {1, 3}});
        form->ResetSteps();
        form->TimeLabel1->setTimerenabled(false); // ticks by hand
        form->TimeLabel1Timer();
        QCOMPARE(history->memostep.size(), 1);
        QVERIFY(!form->tbback->isEnabled() && !form->tbnext->isEnabled());
        for (int c : {1, 2}) {
            form->disnote[c]->click();
            click(cell(1, c), Qt::LeftButton);
            form->TimeLabel1Timer();
        }
        QCOMPARE(history->memostep.size(), 3);
        QVERIFY(form->tbback->isEnabled() && form->tbfirst->isEnabled());
        QVERIFY(!form->tbnext->isEnabled() && !form->tblast->isEnabled());

        // Back shows the step, keeps the mode and the digit, recomputes flags.
        QTest::mouseClick(form->tbback, Qt::LeftButton);
        QCOMPARE(cell(1, 2)->state, int(stCandidates));
        QCOMPARE(cell(1, 1)->value, QString("1"));
        QCOMPARE(form->SelectedDigit(), 2);
        QVERIFY(form->rb_none->isChecked());
        QVERIFY(form->tbnext->isEnabled() && form->tblast->isEnabled());
        QTest::mouseClick(form->tbback, Qt::LeftButton);
        QVERIFY(!form->tbback->isEnabled() && !form->tbfirst->isEnabled());
        QVERIFY(cell(1, 1)->value.size() != 1 || cell(1, 1)->state == stCandidates);
        QTest::mouseClick(form->tblast, Qt::LeftButton);
        QCOMPARE(cell(1, 2)->value, QString("2"));
        QCOMPARE(cell(1, 2)->state, int(stBigNumber));

        // The completing move stops the clock, recorded as the last step.
        form->disnote[3]->click();
        form->TimeLabel1->setTimerenabled(true);
        click(cell(1, 3), Qt::LeftButton);
        QVERIFY(!form->WC_Label->isHidden());
        QVERIFY(!form->TimeLabel1->timerenabled());
        QCOMPARE(history->memostep.size(), 4);
        // The buttons still show the recorded steps on the disabled board.
        QTest::mouseClick(form->tbback, Qt::LeftButton);
        QCOMPARE(cell(1, 3)->state, int(stCandidates));
        QVERIFY(!form->sd991->isEnabled());
    }

    void tickAdvancesTheClock()
    {
        position({{1, 1}});
        form->TimeLabel1->setMS(0);
        QTRY_VERIFY_WITH_TIMEOUT(form->TimeLabel1->MS() >= 1000, 3000);
        QCOMPARE(form->TimeLabel1->MS() % 100, 0);
        QVERIFY(form->TimeLabel1->text().startsWith("0:0:"));
    }

    void clashOfTenShowsFullAndRed()
    {
        position({{9, 9}});
        cell(9, 9)->state = stBigNumber;
        cell(9, 9)->value = QStringLiteral("5");
        form->UpdateDigitBars();
        QCOMPARE(form->ProgressBar[5]->value(), 9);
        QCOMPARE(form->ProgressBar[5]->property("TColor").toInt(), 255);
    }

    void pointerBorderFollowsThePointer()
    {
        position({{1, 5}, {5, 5}});
        form->rb_all->setChecked(true);
        TPicNode *c = cell(1, 5);
        // The pointer left the cell while the menu held the grab, so the
        // cell never heard of it.
        QCursor::setPos(form->mapToGlobal(QPoint(520, 300)));
        QCoreApplication::processEvents();
        form->CellMouseEnter(c);
        QVERIFY(c->singleBorder());
        form->ppPopup(c);
        form->pp->popup(QCursor::pos());
        form->pp->hide();
        QTRY_COMPARE(form->borderedPanel(), nullptr);
        QVERIFY(!c->singleBorder());
        for (int k = 1; k <= 9; ++k)
            QVERIFY(!c->marks[static_cast<size_t>(k)]->singleBorder());

        // A disabled board shows none, and disabling it takes it away.
        form->CellMouseEnter(cell(5, 5));
        QVERIFY(cell(5, 5)->singleBorder());
        form->sd991->setEnabled(false);
        QVERIFY(!cell(5, 5)->singleBorder());
        form->CellMouseEnter(cell(5, 5));
        QVERIFY(!cell(5, 5)->singleBorder());
    }
};

QTEST_MAIN(TestPlay)
#include "test_play.moc"
