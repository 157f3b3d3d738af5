// Best times through the game, and the How to Play text.
#include "guide/HowToPlay.h"
#include "puzzle/QJ.h"
#include "game/StatusLine.h"
#include "guide/NextStepWindow.h"
#include "play/BestTimesDialog.h"
#include "solver/grader/Technique.h"
#include "support/GameDriver.h"

#include <QFile>
#include <QMap>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>

using fixture::Game;

namespace {
// Fills every open cell with the solution; the last move finishes.
void finish(Game &g, int ms)
{
    const QString s = g.form->QJ1->GetSolution();
    g.form->TimeLabel1->setMS(ms);
    for (int i = 0; i < 81; ++i)
        if (g.form->sd991->cellAt(i)->state == stCandidates)
            g.form->PlaceDigit(g.form->sd991->cellAt(i), s.mid(i, 1));
}
BestTimesDialog &best(Game &g) { return *g.program->windows().frmBestTimes; }
QString status(Game &g) { return g.form->sb1->panelText(); }
} // namespace

class TestComforts : public QObject {
    Q_OBJECT
private slots:
    void dealtGameFinishedCounts()
    {
        Game g;
        g.form->NewGameClick(0);
        g.form->ToolButton9Click();
        finish(g, 65000);
        QVERIFY(g.form->WC_Label->isVisibleTo(g.form));
        QCOMPARE(status(g), QString("Solved in 0:1:5: a new best time for Very Easy!"));
        QCOMPARE(g.play->bestTimes().level[0].size(), 1);
        QCOMPARE(g.play->bestTimes().level[0][0].hints, 1);
        g.form->NewGameClick(0);
        g.form->ToolButton9Click(); // helped too: ranked by time among the helped
        finish(g, 70000);
        QCOMPARE(status(g), QString("Solved in 0:1:10: number 2 of the best times for Very Easy (best 0:1:5)."));
        // The window shows them; a new run reads them back.
        g.reopen();
        best(g).show();
        auto *table = static_cast<QTableWidget *>(best(g).tabs()->widget(0));
        QCOMPARE(table->item(0, 0)->text(), QString("0:1:5"));
        QCOMPARE(table->item(1, 0)->text(), QString("0:1:10"));
        QCOMPARE(table->item(0, 2)->text(), QString("1"));
    }

    // Each applied Next Step is help, as a hint is.
    void appliedStepsCountAsHints()
    {
        Game g;
        g.form->NewGameClick(0);
        NextStepWindow *ex = g.program->windows().frmExplain;
        ex->ExplainClick();
        ex->ApplyClick();
        ex->ApplyClick();
        finish(g, 5000);
        QCOMPARE(g.play->bestTimes().level[0][0].hints, 2);
    }

    void gamesThatDoNotCount()
    {
        Game g;
        g.deal(); // imported
        finish(g, 1000);
        QCOMPARE(status(g), QString("Solved in 0:0:1."));
        g.form->NewGameClick(2);
        g.messages.answers << true;
        g.form->tbsolveClick();
        g.form->TimeLabel1->setMS(2000);
        g.form->Finish(); // the board is full: a click on a given finishes
        QCOMPARE(status(g), QString("Solved in 0:0:2."));
        g.form->NewGameClick(1);
        g.close();
        g.open();
        g.form->Con1Click(); // continued
        finish(g, 3000);
        QVERIFY(g.form->WC_Label->isVisibleTo(g.form));
        for (const auto &level : g.play->bestTimes().level)
            QVERIFY(level.isEmpty());
    }

    void clearAfterAQuestion()
    {
        Game g;
        g.form->NewGameClick(4);
        finish(g, 5000);
        best(g).ClearClick(); // answered No
        QCOMPARE(g.play->bestTimes().level[4].size(), 1);
        g.messages.answers << true;
        best(g).ClearClick();
        QVERIFY(g.play->bestTimes().level[4].isEmpty());
        QCOMPARE(g.messages.asked, (QStringList{"Clear the best times of every level?", "Clear the best times of every level?"}));
        QFile f(g.dir.filePath("besttimes.dat"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.size(), 0);
    }

    void damagedFileReplaced()
    {
        Game g(false);
        QFile f(g.dir.filePath("besttimes.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x01\xff garbage\r\n0 -5 x 1\r\n");
        f.close();
        g.open();
        g.form->NewGameClick(0);
        finish(g, 4000);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("0 4000 "));
    }

    // A best time that cannot be written is said, as a game that cannot.
    void unsavedBestTimeIsSaid()
    {
        Game g(false);
        const QString path = g.dir.filePath("besttimes.dat");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0 9000 2026-01-02T03:04:05 0\r\n");
        f.close();
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        g.open();
        g.form->NewGameClick(0);
        finish(g, 4000);
        QCOMPARE(status(g), QString("Solved in 0:0:4: a new best time for Very Easy!"));
        QCOMPARE(g.messages.reports.size(), 1);
        QVERIFY2(g.messages.reports[0].startsWith("The best times could not be saved to")
                     && g.messages.reports[0].endsWith("besttimes.dat\": it is read-only"),
                 qPrintable(g.messages.reports[0]));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0 9000 2026-01-02T03:04:05 0\r\n"));
        f.close();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    // Every technique of the ladder's table is named under its level.
    void howToPlayListsTheLadder()
    {
        const QString html = howtoplay::html();
        for (int t = 0; t < static_cast<int>(grader::Technique::Count); ++t) {
            const grader::TechniqueInfo &row = grader::info(static_cast<grader::Technique>(t));
            QVERIFY2(howtoplay::techniquesOf(row.level).contains(QString::fromLatin1(row.title)), row.title);
            QVERIFY(html.contains(QString::fromLatin1(row.title).toHtmlEscaped()));
        }
        QVERIFY(!howtoplay::techniquesOf(2).contains("X-Wing"));
        for (const char *text : {"F1", "F4", "Pause", "Explain Next Step", "Very Easy", "Diabolical", "right click"})
            QVERIFY2(html.contains(QLatin1String(text), Qt::CaseInsensitive), text);
    }

    // docs/difficulty.md names every technique at the level of the table:
    // a check of the source tree, made where the tree is a native path.
    void difficultyPageFollowsTheLadder()
    {
#ifdef Q_OS_WIN
        QSKIP("the source tree is checked on the build host");
#endif
        QFile doc(QStringLiteral(NODALA_DOCS "/difficulty.md"));
        QVERIFY2(doc.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(doc.fileName()));
        QMap<QString, int> documented;
        for (const QString &line : QString::fromUtf8(doc.readAll()).split(QLatin1Char('\n'))) {
            const QStringList cols = line.split(QLatin1Char('|'));
            if (cols.size() > 3 && line.startsWith(QLatin1Char('|')))
                for (const QString &name : cols[1].split(QLatin1Char('/')))
                    documented[name.trimmed()] = cols[2].trimmed().toInt();
        }
        for (int t = 0; t < static_cast<int>(grader::Technique::Count); ++t) {
            const grader::TechniqueInfo &row = grader::info(static_cast<grader::Technique>(t));
            QCOMPARE(documented.value(QString::fromLatin1(row.name), -1), row.level);
        }
    }
};

QTEST_MAIN(TestComforts)
#include "test_comforts.moc"
