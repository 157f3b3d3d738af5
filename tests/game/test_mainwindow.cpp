// The main window before the first game: layout, wiring, status help,
// keys, the digit pad and closing.
#include "appearance/UfrmAppearance.h"
#include "exchange/Ufrm_new.h"
#include "exchange/UfrmImport.h"
#include "exchange/Ufrmcopy.h"
#include "exchange/Ufrmdas.h"
#include "game/DigitPad.h"
#include "game/Layout.h"
#include "game/StatusLine.h"
#include "guide/NextStepWindow.h"
#include "game/main.h"
#include "periphery/HttpGet.h"
#include "periphery/UAbout.h"
#include "periphery/Ufrmcheck.h"
#include "support/GameDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOption>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

void sendEnter(QWidget *w)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(w, &enter);
}

void sendLeave(QWidget *w)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
}

QStringList captions(QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<fixture::Game> game;
    TForm1 *form = nullptr;

private slots:
    void init()
    {
        game = std::make_unique<fixture::Game>();
        form = game->form;
    }
    void cleanup() { game.reset(); }

    void startUp()
    {
        QCOMPARE(form->windowTitle(), QString("Sudoku Nodala v3.0"));
        QCOMPARE(QCoreApplication::applicationName(), QString("SudokuNodala v3.0"));
        QCOMPARE(form->centralWidget()->size(), QSize(532, 509));
        QCOMPARE(form->layout()->sizeConstraint(), QLayout::SetFixedSize);
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form->programDir, game->dir.path() + "/");
        QCOMPARE(QDir::currentPath(), game->dir.path());
        QVERIFY(QDir(game->dir.path()).exists("replay"));

        // A disabled board of empty fixed cells, every cell and mark wired.
        QVERIFY(!form->sd991->isEnabled());
        for (int i = 0; i < 81; ++i) {
            TPicNode *cell = form->sd991->cellAt(i);
            QCOMPARE(cell->state, int(stFixed));
            QVERIFY(cell->value.isEmpty());
            QVERIFY(cell->OnMouseDown && cell->OnMouseEnter && cell->OnMouseLeave);
            for (int k = 1; k <= 9; ++k) {
                Tmousepanel *m = cell->marks[static_cast<size_t>(k)];
                QVERIFY(m->OnMouseDown && m->OnMouseEnter && m->OnMouseLeave);
            }
        }
        QVERIFY(form->rb_none->isChecked());
        QCOMPARE(form->digitPad->down(), 0);
        QVERIFY(!form->TimeLabel1->timerenabled());
        QCOMPARE(form->TimeLabel1->timeinterval(), 100);
        QCOMPARE(form->TimeLabel1->text(), QString("0:0:0"));
        for (QToolButton *b : {form->tbfirst, form->tbback, form->tbnext, form->tblast})
            QVERIFY(!b->isEnabled());
        QVERIFY(form->cbautoupdate->isChecked());
        QVERIFY(form->WC_Label->isHidden());
        QVERIFY(form->ndtxt->text().isEmpty());
        QVERIFY(form->ndtxt->font().bold());
    }

    void replayDirectoryIsKept()
    {
        QFile marker(game->dir.path() + "/replay/keep.txt");
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        game->reopen();
        form = game->form;
        QVERIFY(marker.exists());
    }

    void boardSettings()
    {
        TPICSD33 *b = form->sd991;
        QCOMPARE(b->FONTSize3, 10);
        // The fresh settings file's built-in colours replace the design's.
        QCOMPARE(b->FONTColor3, builtin::Candidate);
        QCOMPARE(b->errorcolor, 254);
        QCOMPARE(b->highcolor, 9813909);
        QVERIFY(b->autotranzt);
        QCOMPARE(b->size(), QSize(422, 422));
    }

    // Every place of the layout table, read from the window itself.
    void layoutTable()
    {
        for (const layout::Place &p : layout::kPlaces) {
            const QString name = QString::fromLatin1(p.name.data(), static_cast<qsizetype>(p.name.size()));
            auto *w = form->findChild<QWidget *>(name);
            QVERIFY2(w, qPrintable(name));
            const layout::Place c = layout::inClient(p);
            QCOMPARE(QRect(w->mapTo(form->centralWidget(), QPoint(0, 0)), w->size()), QRect(c.x, c.y, c.width, c.height));
        }
        for (int d = 1; d <= 9; ++d) {
            QCOMPARE(form->disnote[static_cast<size_t>(d)]->text(), QString::number(d));
            QProgressBar *bar = form->ProgressBar[static_cast<size_t>(d)];
            QCOMPARE(bar->orientation(), Qt::Vertical);
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 9);
        }
    }

    void menusAndButtons()
    {
        QCOMPARE(captions(form->File1), (QStringList{"Printable Board", "&Import or Create Sudoku", "-",
                                                      "Continue Your Last Game", "Print Puzzles...", "&Open Puzzle File...", "&Next Puzzle", "-",
                                                      "&Exit"}));
        QCOMPARE(captions(form->N10), (QStringList{"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical"}));
        QCOMPARE(captions(form->ools1),
                 (QStringList{"Appearance", "Copy Puzzle To Clipboard", "-", "Explain Next Step", "-", "Pause\tP",
                              "&Best Times", "&Options..."}));
        const QStringList help = captions(form->N7);
        QCOMPARE(help.size(), 6);
        QCOMPARE(help[0], QString("Check New Version"));
        QCOMPARE(help[1], QString("Auto Check New Version"));
        QVERIFY(help[2].startsWith("Visit "));
        QCOMPARE(help[4], QString("&How to Play"));
        QCOMPARE(help[5], QString("&About SudokuNodala"));
        QVERIFY(form->AutoCheckNewVersion1->isCheckable());
        QCOMPARE(form->menuBar()->actions().size(), 4);

        const QList<QPair<QToolButton *, QString>> hints{
            {form->ToolButton12, "Printable Board"},
            {form->ToolButton4, "Import or Create Sudoku"},
            {form->ToolButton11, "Create Sudoku:Very Easy"},
            {form->ToolButton5, "Create Sudoku:Gentle"},
            {form->ToolButton6, "Create Sudoku:Moderate"},
            {form->ToolButton7, "Create Sudoku:Tough"},
            {form->ToolButton8, "Create Sudoku:Diabolical"},
            {form->tbresign, "Restart"},
            {form->tbsolve, "Show Solution"},
            {form->ToolButton14, "Copy Puzzle To Clipboard"},
            {form->ToolButton9, "Show hint"},
            {form->tbfirst, "First Step"},
            {form->tbback, "Back Step"},
            {form->tbnext, "Next Step"},
            {form->tblast, "Last Step"},
        };
        for (const auto &h : hints) {
            QCOMPARE(h.first->toolTip(), h.second);
            QVERIFY2(!h.first->icon().isNull(), qPrintable(h.second));
            QCOMPARE(h.first->size(), QSize(23, 22));
            // Every button explains itself in the status bar too.
            sendEnter(h.first);
            QCOMPARE(form->sb1->panelText(), h.second);
            QCOMPARE(form->sb1->color(), 7978239);
        }
        QCOMPARE(form->rb_none->text(), QString("None  (F1)"));
        QCOMPARE(form->rb_all->text(), QString("All  (F2)"));
        QCOMPARE(form->rb_one->text(), QString("Only one  (F3)"));
        QCOMPARE(form->GroupBox1->title(), QString("Show Candidates"));
        QCOMPARE(form->cbautoupdate->text(), QString("Auto Update Candidates"));
        QCOMPARE(form->WC_Label->text(), QString("Puzzle Solved"));
    }

    void statusHelp()
    {
        sendEnter(form->rb_none);
        QCOMPARE(form->sb1->panelText(),
                 QString("When the Display Candidates [\"None\"] is checked, hide all the candidates."));
        sendEnter(form->rb_all);
        QCOMPARE(form->sb1->panelText(),
                 QString("When the Display Candidates [\"All\"] is checked, display all the candidates."));
        sendEnter(form->rb_one);
        QCOMPARE(form->sb1->panelText(), QString("When this box is checked, display only those cells corresponding "
                                                 "to clicked Candidate on the numerical panel."));
        sendEnter(form->disnote[7]);
        QCOMPARE(form->sb1->panelText(), QString("You can type number 1..9 to select it quickly."));
        sendEnter(form->cbautoupdate);
        QCOMPARE(form->sb1->panelText(), QString("When this box checked,Will auto update candidate numbers."));
        QCOMPARE(form->sb1->color(), 7978239);
        for (QWidget *w : std::initializer_list<QWidget *>{form->GroupBox1, form->Panel1, form->ToolBar1,
                                                           form->TimeLabel1, form->ndtxt, form->centralWidget()}) {
            form->ShowHelpText("x");
            sendEnter(w);
            QVERIFY2(form->sb1->panelText().isEmpty(), qPrintable(w->objectName()));
            QCOMPARE(form->sb1->color(), clr::BtnFace);
        }
    }

    void pointerOverCells()
    {
        TPicNode *cell = form->sd991->Cell(2, 2);
        // Before any game every cell is fixed and the board disabled: no
        // help and no border.
        sendEnter(cell);
        QVERIFY(!cell->singleBorder());
        QVERIFY(form->sb1->panelText().isEmpty());
        sendLeave(cell);
        form->sd991->setEnabled(true);
        sendEnter(cell);
        QVERIFY(cell->singleBorder());
        sendLeave(cell);
        QVERIFY(!cell->singleBorder());

        cell->state = stBigNumber;
        sendEnter(cell);
        QCOMPARE(form->sb1->panelText(),
                 QString("Set Bignumber with the left button, clear Bignumber with the right button."));
        form->rb_all->setChecked(true);
        sendEnter(cell);
        QCOMPARE(form->sb1->panelText(),
                 QString("Cancel the bignumber with the left button.Pop up the shortcut menu with the right button."));
        cell->state = stCandidates;
        sendEnter(cell);
        QCOMPARE(form->sb1->panelText(), QString("Pop up the shortcut menu with the right button."));
        form->rb_one->setChecked(true);
        cell->setPopupMenu(nullptr);
        sendEnter(cell);
        QVERIFY(form->sb1->panelText().isEmpty()); // no popup menu on it
        cell->setPopupMenu(form->pp);
        sendEnter(cell);
        QCOMPARE(form->sb1->panelText(), QString("Pop up the shortcut menu with the right button."));

        Tmousepanel *mark = cell->marks[3];
        cell->Show();
        sendEnter(mark);
        QVERIFY(mark->singleBorder());
        QVERIFY(!cell->singleBorder()); // the pointer left the cell for its mark
        QCOMPARE(form->sb1->panelText(), QString("Left click sets the selected Candidature as Bignumber, right "
                                                 "click deletes such Candidature."));
        sendLeave(mark);
        QVERIFY(!mark->singleBorder());
    }

    void keys()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F2);
        QVERIFY(form->rb_all->isChecked());
        QTest::keyClick(form, Qt::Key_F3);
        QVERIFY(form->rb_one->isChecked());
        QTest::keyClick(form, Qt::Key_F1);
        QVERIFY(form->rb_none->isChecked());

        QTest::keyClick(form, Qt::Key_4);
        QCOMPARE(form->digitPad->down(), 4);
        QTest::keyClick(form, Qt::Key_7);
        QCOMPARE(form->digitPad->down(), 7);
        // The keypad's digits do nothing.
        QTest::keyClick(form, Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(form->digitPad->down(), 7);
        // Keys reach the window first even when a control has the focus.
        form->cbautoupdate->setFocusPolicy(Qt::StrongFocus);
        form->cbautoupdate->setFocus();
        QTest::keyClick(form->cbautoupdate, Qt::Key_3);
        QCOMPARE(form->digitPad->down(), 3);
        QTest::keyClick(form->cbautoupdate, Qt::Key_F2);
        QVERIFY(form->rb_all->isChecked());
    }

    void digitPadGroup()
    {
        DigitPad *pad = form->digitPad;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mouseClick(form->disnote[5], Qt::LeftButton);
        QCOMPARE(pad->down(), 5);
        QTest::mouseClick(form->disnote[2], Qt::LeftButton);
        QCOMPARE(pad->down(), 2);
        QVERIFY(!form->disnote[5]->isChecked());
        // Without the all-up permission the down button stays down.
        pad->setAllowAllUp(false);
        QTest::mouseClick(form->disnote[2], Qt::LeftButton);
        QCOMPARE(pad->down(), 2);
        pad->setAllowAllUp(true);
        QTest::mouseClick(form->disnote[2], Qt::LeftButton);
        QCOMPARE(pad->down(), 0);
        pad->setDown(9);
        QCOMPARE(pad->down(), 9);
    }

    void exitCloses()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->Exit1->trigger();
        QVERIFY(!form->isVisible());
    }

    void clicksBeforeAnyGameDoNothing()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        TPicNode *cell = form->sd991->Cell(5, 5);
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(23, 23));
        QTest::mouseClick(cell, Qt::RightButton, {}, QPoint(23, 23));
        QCOMPARE(cell->state, int(stFixed));
        QVERIFY(cell->value.isEmpty());
    }

    void visitOpensTheSite()
    {
        form->Visit1->trigger();
        QCOMPARE(game->shell.opened.size(), 1);
        QVERIFY(form->Visit1->text().endsWith(game->shell.opened.first()));
    }

    // Help > Check New Version against a server that takes the request and
    // never answers: the game goes on meanwhile, and the wait ends either
    // with the answer box or, when the window closes, at once.
    void versionCheckLeavesTheGamePlayable_data()
    {
        QTest::addColumn<bool>("closeWhileWaiting");
        QTest::newRow("the server gives up") << false;
        QTest::newRow("the window closes") << true;
    }
    void versionCheckLeavesTheGamePlayable()
    {
        QFETCH(bool, closeWhileWaiting);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        HttpGet http;
        seams::setHttp(&http);
        const auto restore = qScopeGuard([] { seams::setHttp(nullptr); });
        Tfrmcheck *check = game->program->windows().frmcheck;
        check->setSite(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort())));
        check->setTimeoutMs(600 * 1000);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));

        form->CheckNewVersion1->trigger();
        QVERIFY(check->checking());
        QVERIFY(!form->CheckNewVersion1->isEnabled());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTRY_VERIFY(server.hasPendingConnections());
        QPointer<QTcpSocket> socket = server.nextPendingConnection();
        QTest::mouseClick(form->ToolButton11, Qt::LeftButton);
        QCOMPARE(form->ndtxt->text(), QString("  Level:Very Easy"));
        QVERIFY(check->checking());

        if (closeWhileWaiting) {
            form->close();
            QVERIFY(QFileInfo::exists(form->LastGamePath()));
            game->close();
            QVERIFY(game->messages.reports.isEmpty());
            // The request is dropped, not waited for.
            QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
        } else {
            // Refused from now on, so a retry of the request fails too.
            server.close();
            socket->disconnectFromHost();
            QTRY_VERIFY(!check->checking());
            QCOMPARE(game->messages.reports, QStringList{"Check new version status:Connect server failed."});
            QVERIFY(form->CheckNewVersion1->isEnabled());
        }
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void opensCentred()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QPoint off = form->frameGeometry().center() - form->screen()->availableGeometry().center();
        QVERIFY2(off.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(off.x()).arg(off.y())));
    }

    // In every window, each caption fits its control, and each control lies
    // inside its window and inside the frame of the box that holds it.
    void captionsFit()
    {
        const Windows &w = game->program->windows();
        Tfrm_about about;
        about.setObjectName("about");
        const QList<QWidget *> windows{form, w.frmAppearance, w.frmImport, w.frm_new, w.frmcopy, w.Frmdas,
                                       w.frmExplain, &about};
        for (QWidget *window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QString fault = captionFault(window);
            window->hide();
#ifdef Q_OS_WIN
            // Known: the Windows style's radio indicator is wider than the
            // design's 94-pixel box leaves its mode buttons.
            if (fault.startsWith(QLatin1String("Form1/rb_")))
                QEXPECT_FAIL("", "mode captions in the Windows style", Continue);
#endif
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

private:
    // The room a box's title takes, from the box's left edge, with the
    // frame's edge beyond it (styles differ in where the title starts).
    static QSize titleSize(const QGroupBox *box)
    {
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = box->title();
        opt.textAlignment = box->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box);
        return {label.right() + 2 + frame, label.height()};
    }

    // A push button's size hint keeps a minimum width for looks; what
    // counts is that its text fits the room inside its bevel.
    static QSize pushButtonSize(const QPushButton *b)
    {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        const QSize text = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
        return {b->width() - room.width() + text.width(), text.height()};
    }

    static QString captionFault(QWidget *window)
    {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            QString text;
            QSize needs;
            if (auto *b = qobject_cast<QPushButton *>(w))
                text = b->text(), needs = pushButtonSize(b);
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                text = b->text(), needs = b->sizeHint();
            else if (auto *l = qobject_cast<QLabel *>(w))
                text = l->text(), needs = l->sizeHint();
            else if (auto *g = qobject_cast<QGroupBox *>(w))
                text = g->title(), needs = titleSize(g);
            if (text.isEmpty() || !w->isVisibleTo(window))
                continue;
            const QString name = window->objectName() + "/" + w->objectName() + " \"" + text + "\"";
            if (needs.width() > w->width())
                return name + " is cut";
            if (!window->rect().contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size())))
                return name + " is outside its window";
            if (auto *box = qobject_cast<QGroupBox *>(w->parentWidget()))
                if (!box->contentsRect().adjusted(1, 0, -1, 0).contains(w->geometry()))
                    return name + " touches the frame";
        }
        return {};
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
