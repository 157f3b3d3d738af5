// Play without the mouse: keys at the board's cursor leave the board as a
// click there does, the cursor's life on the board, undo and redo keys, the
// focus order, and what assistive technology reads of the cells.
#include "board/BoardAccessible.h"
#include "board/BoardCursor.h"
#include "game/DigitPad.h"
#include "game/main.h"
#include "records/Ufrmstep.h"
#include "game/Keyboard.h"
#include "support/GameDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// Everything a player sees of the board and what it holds.
QString snapshot(TForm1 *form)
{
    QString out = BoardToStepLine(form->sd991->grid());
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = form->sd991->cellAt(i);
        out += QStringLiteral("|%1 %2 %3 %4 %5 ").arg(cell->caption()).arg(cell->panelColor()).arg(cell->fontColor())
                   .arg(cell->errflag).arg(cell->PopupMenu() != nullptr);
        for (int k = 1; k <= 9; ++k)
            out += cell->marks[static_cast<size_t>(k)]->isHidden() ? QString() : QString::number(k);
    }
    return out + QStringLiteral("|%1 %2 %3").arg(form->SelectedDigit()).arg(form->WC_Label->isVisible()).arg(form->ppTag);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<fixture::Game> game;
    TForm1 *form = nullptr;

    TPicNode *cell(int r, int c) { return form->sd991->Cell(r, c); }
    BoardCursor *cursor() { return form->sd991->cursor(); }
    // A key as the player types it: to the focused control, else the window.
    void press(int key, Qt::KeyboardModifiers mods = {})
    {
        QWidget *to = QApplication::focusWidget() ? QApplication::focusWidget() : form;
        QTest::keyClick(to, static_cast<Qt::Key>(key), mods);
    }
    void click(QWidget *w, Qt::MouseButton b) { QTest::mouseClick(w, b, {}, QPoint(w->width() / 2, w->height() / 2)); }

    void start()
    {
        game = std::make_unique<fixture::Game>();
        form = game->form;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        game->deal();
    }

private slots:
    void cleanup() { game.reset(); }

    // The same board after the key at the cursor as after the click there.
    void keyAsClick_data()
    {
        QTest::addColumn<int>("modeKey");
        QTest::addColumn<bool>("placedFirst"); // a 1 placed at (1, 2) beforehand
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("mark"); // the mouse on this mark, 0 on the cell
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");
        const int left = Qt::LeftButton, right = Qt::RightButton;
        QTest::newRow("None: place") << int(Qt::Key_F1) << false << 1 << 1 << 2 << 0 << left << int(Qt::Key_Space);
        QTest::newRow("None: clash") << int(Qt::Key_F1) << false << 5 << 1 << 2 << 0 << left << int(Qt::Key_Return);
        QTest::newRow("None: given") << int(Qt::Key_F1) << false << 1 << 1 << 1 << 0 << left << int(Qt::Key_Space);
        QTest::newRow("None: empty") << int(Qt::Key_F1) << true << 1 << 1 << 2 << 0 << right << int(Qt::Key_Delete);
        QTest::newRow("All: mark") << int(Qt::Key_F2) << false << 1 << 1 << 2 << 1 << left << int(Qt::Key_Space);
        QTest::newRow("All: no such mark") << int(Qt::Key_F2) << false << 8 << 1 << 2 << 0 << left << int(Qt::Key_Space);
        QTest::newRow("All: take back") << int(Qt::Key_F2) << true << 1 << 1 << 2 << 0 << left << int(Qt::Key_Enter);
        QTest::newRow("All: delete mark") << int(Qt::Key_F2) << false << 2 << 1 << 2 << 2 << right
                                          << int(Qt::Key_Backspace);
        QTest::newRow("Only one: mark") << int(Qt::Key_F3) << false << 1 << 1 << 2 << 1 << left << int(Qt::Key_Space);
        QTest::newRow("Only one: delete") << int(Qt::Key_F3) << false << 4 << 1 << 2 << 4 << right
                                          << int(Qt::Key_Delete);
    }
    void keyAsClick()
    {
        QFETCH(int, modeKey);
        QFETCH(bool, placedFirst);
        QFETCH(int, digit);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, mark);
        QFETCH(int, button);
        QFETCH(int, key);
        QString after[2];
        for (int byKey = 0; byKey < 2; ++byKey) {
            start();
            if (placedFirst)
                form->PlaceDigit(cell(1, 2), QStringLiteral("1"));
            press(modeKey);
            press(Qt::Key_0 + digit);
            if (byKey) {
                cursor()->showAt({row, col});
                press(key);
            } else {
                TPicNode *c = cell(row, col);
                click(mark ? static_cast<QWidget *>(c->marks[static_cast<size_t>(mark)]) : c,
                      static_cast<Qt::MouseButton>(button));
            }
            after[byKey] = snapshot(form);
            game.reset();
        }
        QCOMPARE(after[1], after[0]);
    }

    void menuKeyOpensTheCellsMenu()
    {
        start();
        press(Qt::Key_F2);
        cursor()->showAt({1, 2});
        QStringList items;
        QTimer::singleShot(0, form, [&] {
            for (QAction *a : form->pp->actions())
                items << a->text();
            form->pp->close();
        });
        press(Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(form->popupCell(), cell(1, 2));
        QCOMPARE(items.last(), QString("Regenerate Candidate Numbers"));
        // In None no cell has a menu, and the key leaves the cell alone.
        press(Qt::Key_F1);
        form->PlaceDigit(cell(1, 2), QStringLiteral("1"));
        press(Qt::Key_Menu);
        QCOMPARE(cell(1, 2)->value, QString("1"));
    }

    void cursorMovesAndWraps()
    {
        start();
        QVERIFY(!cursor()->active());
        QVERIFY(cursor()->isHidden());
        // The first arrow shows the cursor at (1, 1) without moving it.
        press(Qt::Key_Right);
        QVERIFY(cursor()->isVisible());
        QCOMPARE(cursor()->cell(), (boardkeys::Cell{1, 1}));
        QVERIFY(form->sd991->hasFocus());
        const struct {
            int key;
            boardkeys::Cell at;
        } walk[] = {{Qt::Key_Left, {1, 9}},    {Qt::Key_Up, {9, 9}},      {Qt::Key_Down, {1, 9}},
                    {Qt::Key_Home, {1, 1}},    {Qt::Key_PageDown, {9, 1}}, {Qt::Key_End, {9, 9}},
                    {Qt::Key_PageUp, {1, 9}}, {Qt::Key_Right, {1, 1}}};
        for (const auto &step : walk) {
            press(step.key);
            QCOMPARE(cursor()->cell(), step.at);
        }
        // A mouse press hides it; it comes back where the pointer was.
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(cell(4, 6), &enter);
        click(cell(4, 6), Qt::RightButton);
        QVERIFY(cursor()->isHidden());
        press(Qt::Key_Space); // a hidden cursor clicks nowhere
        press(Qt::Key_Down);
        QCOMPARE(cursor()->cell(), (boardkeys::Cell{4, 6}));
        // Never on a disabled board.
        form->sd991->setEnabled(false);
        QVERIFY(cursor()->isHidden());
        press(Qt::Key_Down);
        QVERIFY(cursor()->isHidden());
    }

    void undoRedoKeysAreTheStepButtons()
    {
        start();
        const QString dealt = BoardToStepLine(form->sd991->grid());
        QVERIFY(!form->keys().BoardKeyDown(Qt::Key_Z, Qt::ControlModifier)); // nothing to undo yet
        cursor()->showAt({1, 2});
        press(Qt::Key_Space);
        form->TimeLabel1Timer();
        const QString placed = BoardToStepLine(form->sd991->grid());
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(BoardToStepLine(form->sd991->grid()), dealt);
        QVERIFY(form->tbnext->isEnabled());
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(BoardToStepLine(form->sd991->grid()), placed);
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(BoardToStepLine(form->sd991->grid()), placed);
        QVERIFY(!form->tbnext->isEnabled());
    }

    // A deal from the menus by the keyboard, the pointer never used: the
    // first cursor key shows the cursor and Tab stops at the board first,
    // whatever had the focus before.
    void keysAfterAMenuDeal_data()
    {
        QTest::addColumn<bool>("radioFocused");
        QTest::addColumn<int>("key");
        QTest::newRow("no focus, arrow") << false << int(Qt::Key_Right);
        QTest::newRow("no focus, Page Up") << false << int(Qt::Key_PageUp);
        QTest::newRow("radio focused, Home") << true << int(Qt::Key_Home);
        QTest::newRow("no focus, Tab") << false << int(Qt::Key_Tab);
        QTest::newRow("radio focused, Tab") << true << int(Qt::Key_Tab);
    }
    void keysAfterAMenuDeal()
    {
        QFETCH(bool, radioFocused);
        QFETCH(int, key);
        game = std::make_unique<fixture::Game>();
        form = game->form;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        for (int round = 0; round < 2; ++round) { // New Game, then Continue
            if (radioFocused)
                form->rb_none->setFocus(Qt::TabFocusReason);
            QTest::keyClick(form, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QWidget *file = QApplication::activePopupWidget();
            if (round == 0) {
                QTest::keyClick(file, Qt::Key_Right);
                QTRY_VERIFY(QApplication::activePopupWidget() && QApplication::activePopupWidget() != file);
            } else {
                QTest::keyClick(file, Qt::Key_Down);
                QTest::keyClick(file, Qt::Key_Down);
            }
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QVERIFY(form->sd991->isEnabled());
            cursor()->hideCursor();
            press(key);
            QVERIFY(cursor()->isVisible());
            QCOMPARE(QApplication::focusWidget(), form->sd991);
            QVERIFY(form->rb_none->isChecked());
            if (round == 0)
                form->SaveLastGame();
        }
    }

    // Ctrl+Z right after a move, before the clock sampled it: that move
    // goes, and Ctrl+Y brings it back; the move before it stays.
    void undoWithinOneSample()
    {
        start();
        cursor()->showAt({1, 2});
        press(Qt::Key_Space);
        form->TimeLabel1Timer();
        const QString first = BoardToStepLine(form->sd991->grid());
        press(Qt::Key_2);
        cursor()->showAt({1, 3});
        press(Qt::Key_Space);
        const QString second = BoardToStepLine(form->sd991->grid());
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(BoardToStepLine(form->sd991->grid()), first);
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(BoardToStepLine(form->sd991->grid()), second);
        // The first move of a game too.
        start();
        const QString dealt = BoardToStepLine(form->sd991->grid());
        cursor()->showAt({1, 2});
        press(Qt::Key_Space);
        QVERIFY(form->keys().BoardKeyDown(Qt::Key_Z, Qt::ControlModifier));
        QCOMPARE(BoardToStepLine(form->sd991->grid()), dealt);
    }

    // Each move, by key or by click, redraws the board once: one changed().
    void oneChangePerMove_data()
    {
        QTest::addColumn<int>("modeKey");
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("key");
        QTest::newRow("write") << int(Qt::Key_F1) << 1 << int(Qt::Key_Space);
        QTest::newRow("empty") << int(Qt::Key_F1) << 1 << int(Qt::Key_Delete);
        QTest::newRow("place mark") << int(Qt::Key_F2) << 4 << int(Qt::Key_Space);
        QTest::newRow("strike mark") << int(Qt::Key_F3) << 4 << int(Qt::Key_Delete);
        QTest::newRow("undo") << int(Qt::Key_F1) << 1 << int(Qt::Key_Z);
    }
    void oneChangePerMove()
    {
        QFETCH(int, modeKey);
        QFETCH(int, digit);
        QFETCH(int, key);
        start();
        press(modeKey);
        press(Qt::Key_0 + digit);
        cursor()->showAt({1, 3});
        if (key == Qt::Key_Z) {
            press(Qt::Key_Space);
            form->TimeLabel1Timer();
        }
        QSignalSpy changes(form->sd991, &TPICSD33::changed);
        press(key, key == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(changes.size(), 1);
    }

    void tabOrderAndFocus()
    {
        start();
        // Activation gives no control the focus: the window keeps its keys.
        QCOMPARE(QApplication::focusWidget(), nullptr);
        form->tbsolve->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->sd991);
        QVERIFY(cursor()->isVisible()); // the board's focus shows as its cursor
        // A focused button keeps Space; the mode keys still reach the window.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->rb_none);
        QVERIFY(cursor()->isHidden());
        // The focused control is ringed; the board's focus is its cursor.
        auto *ring = form->findChild<QWidget *>(QStringLiteral("focusRing"));
        QVERIFY(ring->isVisible());
        QVERIFY(ring->geometry().contains(
            QRect(form->rb_none->mapTo(form->centralWidget(), QPoint(0, 0)), form->rb_none->size())));
        press(Qt::Key_F2);
        QVERIFY(form->rb_all->isChecked());
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), form->sd991);
        QVERIFY(ring->isHidden());
        QCOMPARE(form->ToolButton11->accessibleName(), QString("Very Easy"));
        QCOMPARE(form->ToolButton9->accessibleName(), QString("Show hint"));
    }

    void accessibleCells()
    {
        start();
        QAccessible::setActive(true);
        QAccessibleInterface *given = QAccessible::queryAccessibleInterface(cell(1, 1));
        QCOMPARE(given->text(QAccessible::Name), QString("Row 1, column 1: given 8"));
        QCOMPARE(given->childCount(), 0);
        press(Qt::Key_5);
        cursor()->showAt({1, 2});
        press(Qt::Key_Space);
        QCOMPARE(QAccessible::queryAccessibleInterface(cell(1, 2))->text(QAccessible::Name),
                 QString("Row 1, column 2: your 5, clash, not part of the solution"));
        press(Qt::Key_F2);
        QCOMPARE(QAccessible::queryAccessibleInterface(cell(1, 3))->text(QAccessible::Name),
                 QString("Row 1, column 3: empty, candidates 2 4 6 9"));
        // The cursor's cell is the focused one.
        press(Qt::Key_Right);
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(form->sd991);
        QCOMPARE(board->focusChild()->object(), cell(1, 3));
        QVERIFY(board->focusChild()->state().focused);
        QVERIFY(!given->state().focused);
        QAccessible::setActive(false);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
