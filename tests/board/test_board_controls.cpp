// The board's controls: construction, geometry, marks, display modes and
// pointer notifications.
#include "board/PICSD33.h"

#include <QEnterEvent>
#include <QTest>

namespace {

bool markShown(TPicNode *cell, int k) { return !cell->marks[static_cast<size_t>(k)]->isHidden(); }

QString shownMarks(TPicNode *cell)
{
    QString out;
    for (int k = 1; k <= 9; ++k)
        if (markShown(cell, k))
            out += QString::number(k);
    return out;
}

void setCell(TPicNode *cell, int state, const QString &value)
{
    cell->state = state;
    cell->value = value;
}

} // namespace

class TestBoardControls : public QObject {
    Q_OBJECT
private slots:
    void constructedBoard()
    {
        TPICSD33 b;
        QCOMPARE(b.size(), QSize(422, 422));
        QCOMPARE(b.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(b.UNFoucsColor1, 0xFFFFFF);
        QCOMPARE(b.UNFoucsColor2, 16759739);
        QCOMPARE(b.FoucsColor1, 12043517);
        QCOMPARE(b.FoucsColor2, 14538713);
        QCOMPARE(b.FONTSize1, 25);
        QCOMPARE(b.FONTSize2, 25);
        QCOMPARE(b.FONTSize3, 12);
        QCOMPARE(b.FONTColor1, 0);
        QCOMPARE(b.FONTColor2, 0xFF0000);
        QCOMPARE(b.FONTColor3, 128);
        QCOMPARE(b.errorcolor, 732916);
        QCOMPARE(b.highcolor, 11654065);
        QCOMPARE(b.nd, 0);
        QVERIFY(!b.autotranzt);
        for (int i = 0; i < 81; ++i) {
            TPicNode *c = b.cellAt(i);
            QCOMPARE(c->row, i / 9 + 1);
            QCOMPARE(c->col, i % 9 + 1);
            QCOMPARE(c->state, int(stBigNumber));
            QVERIFY(c->value.isEmpty());
            QVERIFY(!c->errflag);
            QVERIFY(c->caption().isEmpty());
            QCOMPARE(shownMarks(c), QString());
            QCOMPARE(c->focusPolicy(), Qt::NoFocus);
            QCOMPARE(c->parentWidget(), &b);
            // The checkerboard of boxes.
            QCOMPARE(c->panelColor(), b.BoxOf(c->row, c->col) % 2 == 0 ? 16759739 : 0xFFFFFF);
        }
    }

    void geometry()
    {
        TPICSD33 b;
        const int edges[9] = {2, 48, 94, 142, 188, 234, 282, 328, 374};
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                QCOMPARE(b.Cell(r, c)->geometry(), QRect(edges[c - 1], edges[r - 1], 46, 46));
        // Marks: 13 x 13 at 2, 16, 30, digits 1 2 3 across the top line.
        TPicNode *cell = b.Cell(1, 1);
        const int at[3] = {2, 16, 30};
        for (int k = 1; k <= 9; ++k) {
            Tmousepanel *m = cell->marks[static_cast<size_t>(k)];
            QCOMPARE(m->geometry(), QRect(at[(k - 1) % 3], at[(k - 1) / 3], 13, 13));
            QCOMPARE(m->caption(), QString::number(k));
            QCOMPARE(m->fontColor(), 128);
            QVERIFY(!m->raisedBevel());
            QCOMPARE(TPicNode::cellOf(m), cell);
        }
        QVERIFY(cell->raisedBevel());
        QCOMPARE(TPicNode::cellOf(&b), nullptr);
    }

    void markMethods()
    {
        TPicNode cell;
        cell.value = "123456789";
        cell.showhxs();
        QCOMPARE(shownMarks(&cell), QString("123456789"));
        cell.value = "5";
        cell.showhxs();
        QCOMPARE(shownMarks(&cell), QString("5"));
        cell.value = "";
        cell.showhxs();
        QCOMPARE(shownMarks(&cell), QString());
        cell.value = "9x2";
        cell.showhxs();
        QCOMPARE(shownMarks(&cell), QString("29"));
        cell.Hide();
        cell.Show();
        QCOMPARE(shownMarks(&cell), QString("123456789"));

        // The mark methods never touch the cell's own look.
        cell.setPanelColor(0x123456);
        cell.Hide();
        cell.setcolor(255);
        cell.setFontSize(7);
        cell.setFontColor(65280);
        QCOMPARE(cell.panelColor(), 0x123456);
        for (int k = 1; k <= 9; ++k) {
            QCOMPARE(cell.marks[static_cast<size_t>(k)]->panelColor(), 255);
            QCOMPARE(cell.marks[static_cast<size_t>(k)]->fontSize(), 7);
            QCOMPARE(cell.marks[static_cast<size_t>(k)]->fontColor(), 65280);
        }
    }

    void displayModes()
    {
        TPICSD33 b;
        TPicNode *given = b.Cell(1, 1), *big = b.Cell(1, 2), *open = b.Cell(5, 5), *single = b.Cell(9, 9),
                 *pair = b.Cell(9, 8);
        for (int i = 0; i < 81; ++i)
            setCell(b.cellAt(i), stCandidates, "");
        setCell(given, stFixed, "7");
        setCell(big, stBigNumber, "3");
        setCell(open, stCandidates, "1369");
        setCell(single, stCandidates, "8");
        setCell(pair, stCandidates, "18");

        b.ShowAll();
        QCOMPARE(given->caption(), QString("7"));
        QCOMPARE(given->fontColor(), b.FONTColor1);
        QCOMPARE(big->caption(), QString("3"));
        QCOMPARE(big->fontColor(), b.FONTColor2);
        QCOMPARE(shownMarks(given), QString());
        QCOMPARE(shownMarks(open), QString("1369"));
        QCOMPARE(shownMarks(single), QString("8")); // one small mark
        QVERIFY(single->caption().isEmpty());
        QCOMPARE(open->marks[1]->fontSize(), b.FONTSize3);

        b.ShowOnly(3);
        QCOMPARE(shownMarks(open), QString("1369")); // all of the cell's candidates
        QCOMPARE(shownMarks(single), QString("8"));  // a single candidate always shows
        QCOMPARE(shownMarks(pair), QString());
        QCOMPARE(big->caption(), QString("3"));

        b.ShowNone();
        for (TPicNode *c : {given, big, open, single, pair})
            QCOMPARE(shownMarks(c), QString());
        QCOMPARE(given->caption(), QString("7"));
        QVERIFY(open->caption().isEmpty());

        // RefreshStyle draws a single candidate as a big number.
        b.RefreshStyle();
        QCOMPARE(single->caption(), QString("8"));
        QCOMPARE(single->fontColor(), b.FONTColor2);
        QCOMPARE(shownMarks(single), QString());
        QCOMPARE(shownMarks(open), QString("1369"));

        // HideMarks leaves cells with one-character values alone.
        b.ShowAll();
        b.HideMarks();
        QCOMPARE(shownMarks(open), QString());
        QCOMPARE(shownMarks(single), QString("8"));
    }

    void errorBackgrounds()
    {
        TPICSD33 b;
        b.errorcolor = 254;
        TPicNode *c = b.Cell(2, 5); // box 2
        setCell(c, stBigNumber, "4");
        c->errflag = true;
        b.ShowNone();
        QCOMPARE(c->panelColor(), 254);
        QCOMPARE(c->caption(), QString("4"));
        c->errflag = false;
        b.ShowAll();
        QCOMPARE(c->panelColor(), b.UNFoucsColor2);

        // RefreshStyle paints an error cell, and otherwise only the marks.
        c->errflag = true;
        b.UNFoucsColor2 = 0x00AA00;
        b.RefreshStyle();
        QCOMPARE(c->panelColor(), 254);
        c->errflag = false;
        c->setPanelColor(0x111111);
        b.RefreshStyle();
        QCOMPARE(c->panelColor(), 0x111111);
        QCOMPARE(c->marks[1]->panelColor(), 0x00AA00);
    }

    void servicesReachTheCells()
    {
        TPICSD33 b;
        for (int i = 0; i < 81; ++i)
            setCell(b.cellAt(i), stCandidates, "");
        setCell(b.Cell(3, 3), stFixed, "6");
        setCell(b.Cell(3, 7), stBigNumber, "6");
        QCOMPARE(b.CandidatesOf(3, 1), QString("12345789"));
        b.CheckConflicts();
        QVERIFY(b.HasConflict());
        QVERIFY(b.Cell(3, 3)->errflag && b.Cell(3, 7)->errflag);
        QVERIFY(!b.IsSolved());
        QCOMPARE(b.GivensString().mid(18, 3), QString("006"));
    }

    void pointerNotifications()
    {
        TPICSD33 b;
        TPicNode *cell = b.Cell(4, 4);
        QStringList log;
        auto name = [](QObject *o) { return o->objectName(); };
        cell->OnMouseEnter = [&](QObject *s) { log << "enter " + name(s); };
        cell->OnMouseLeave = [&](QObject *s) { log << "leave " + name(s); };
        Tmousepanel *mark = cell->marks[5];
        mark->OnMouseEnter = cell->OnMouseEnter;
        mark->OnMouseLeave = cell->OnMouseLeave;
        cell->Show();

        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(cell, &enter);
        // Entering a mark leaves its cell.
        QCoreApplication::sendEvent(mark, &enter);
        QCoreApplication::sendEvent(mark, &leave);
        QCOMPARE(log, (QStringList{"enter cell44", "leave cell44", "enter mark5", "leave mark5"}));

        // A panel without handlers raises nothing.
        Tmousepanel plain;
        QCoreApplication::sendEvent(&plain, &enter);
        QCoreApplication::sendEvent(&plain, &leave);

        // Mouse-down reaches the handler with its button.
        Qt::MouseButton got = Qt::NoButton;
        QObject *sender = nullptr;
        mark->OnMouseDown = [&](QObject *s, Qt::MouseButton btn, Qt::KeyboardModifiers, QPoint) {
            sender = s;
            got = btn;
        };
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QTest::mouseClick(mark, Qt::RightButton, {}, QPoint(6, 6));
        QCOMPARE(got, Qt::RightButton);
        QCOMPARE(sender, mark);
        // A disabled board takes no clicks.
        got = Qt::NoButton;
        b.setEnabled(false);
        QTest::mouseClick(mark, Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(got, Qt::NoButton);
    }
};

QTEST_MAIN(TestBoardControls)
#include "test_board_controls.moc"
