// Printed puzzle sheets read back from the PDF with pdftotext: the givens
// on their pages, the solutions page, the page count; and the sheet as the
// Print Puzzles window deals, prints and saves it.
#include "exchange/PuzzleSheet.h"
#include "exchange/PrintSheetsDialog.h"
#include "support/GameDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QSpinBox>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <csignal>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

// The text of each page of the PDF.
QStringList pages(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!out.isEmpty() && out.last().trimmed().isEmpty())
        out.removeLast();
    return out;
}

// The digits of a page's boards, in reading order: the caption lines are
// the ones with letters.
QString boardDigits(const QString &page)
{
    QString digits;
    for (const QString &line : page.split(QLatin1Char('\n')))
        if (!line.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            for (QChar c : line)
                if (c.isDigit())
                    digits += c;
    return digits;
}

QString givensDigits(const QString &givens) { return QString(givens).remove(QRegularExpression(QStringLiteral("[^1-9]"))); }

sheet::Puzzle known(int n)
{
    return {QString::fromLatin1(fixture::kGivens), QString::fromLatin1(fixture::kSolution), QStringLiteral("%1. Gentle").arg(n)};
}

} // namespace

class TestPuzzleSheet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void pageCounts_data()
    {
        QTest::addColumn<int>("puzzles");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<bool>("solutions");
        QTest::addColumn<int>("expected");
        QTest::newRow("1 of 1") << 1 << 1 << false << 1;
        QTest::newRow("3 by 2, solutions") << 3 << 2 << true << 3;
        QTest::newRow("12 by 4") << 12 << 4 << false << 3;
        QTest::newRow("12 by 6, solutions") << 12 << 6 << true << 3;
        QTest::newRow("7 by 6") << 7 << 6 << false << 2;
    }
    void pageCounts()
    {
        QFETCH(int, puzzles);
        QFETCH(int, perPage);
        QFETCH(bool, solutions);
        QFETCH(int, expected);
        QList<sheet::Puzzle> list;
        for (int i = 0; i < puzzles; ++i)
            list << known(i + 1);
        const sheet::Layout layout{.perPage = perPage, .solutions = solutions};
        QCOMPARE(sheet::pageCount(puzzles, layout), expected);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        QString error;
        QVERIFY2(sheet::writePdf(pdf, list, layout, &error), qPrintable(error));
        QCOMPARE(pages(pdf).size(), expected);
    }

    // One to a page: each page holds exactly its puzzle's givens, row by
    // row; the solutions page holds every digit of the solution.
    void givensAndSolutionsInTheText()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        QVERIFY(sheet::writePdf(pdf, {known(1), known(2)}, {.perPage = 1, .solutions = true}, nullptr));
        const QStringList text = pages(pdf);
        QCOMPARE(text.size(), 3);
        QCOMPARE(boardDigits(text[0]), givensDigits(QString::fromLatin1(fixture::kGivens)));
        QVERIFY(text[1].contains("2. Gentle"));
        QCOMPARE(boardDigits(text[2]).size(), 2 * 81);
    }

    // One of each takes whole rounds of the five levels, Diabolical included.
    void oneOfEachCountsWholeRounds_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rounded");
        QTest::newRow("the default 4") << 4 << 5;
        QTest::newRow("1") << 1 << 5;
        QTest::newRow("6") << 6 << 10;
        QTest::newRow("10 kept") << 10 << 10;
        QTest::newRow("12, the most") << 12 << 10;
    }
    void oneOfEachCountsWholeRounds()
    {
        QFETCH(int, count);
        QFETCH(int, rounded);
        fixture::Game g;
        PrintSheetsDialog &w = *g.program->windows().frmPrintSheets;
        w.count()->setValue(count);
        w.level()->setCurrentIndex(PrintSheetsDialog::kOneOfEach);
        QCOMPARE(w.count()->value(), rounded);
        QCOMPARE(w.Deal(PrintSheetsDialog::kOneOfEach, w.count()->value()).last().caption,
                 QString("%1. Diabolical").arg(rounded));
    }

    void windowDealsPrintsAndSaves()
    {
        fixture::Game g;
        PrintSheetsDialog &w = *g.program->windows().frmPrintSheets;
        const QList<sheet::Puzzle> dealt = w.Deal(PrintSheetsDialog::kOneOfEach, 6);
        QCOMPARE(dealt.size(), 6);
        QCOMPARE(dealt[4].caption, QString("5. Diabolical"));
        QCOMPARE(dealt[5].caption, QString("6. Very Easy"));
        for (const sheet::Puzzle &p : dealt) {
            QCOMPARE(p.solution.size(), 81);
            for (int i = 0; i < 81; ++i)
                QVERIFY(p.givens[i] == QLatin1Char('.') || p.givens[i] == p.solution[i]);
        }

        FakePrinter printer;
        QTemporaryDir dir;
        QPdfWriter device(dir.filePath("printed.pdf"));
        printer.device = &device;
        w.count()->setValue(5);
        w.perPage()->setCurrentIndex(1); // 2 to a page
        w.PrintClick();
        printer.device = nullptr;
        QCOMPARE(printer.prints, 1);
        QCOMPARE(pages(dir.filePath("printed.pdf")).size(), 4);

        printer.fileName = dir.filePath("saved.pdf");
        w.solutions()->setChecked(false);
        w.SavePdfClick();
        QCOMPARE(pages(printer.fileName).size(), 3);
        printer.fileName.clear(); // cancelled: nothing written, nothing said
        w.SavePdfClick();
        QVERIFY(g.messages.reports.isEmpty());
    }

    // A disk that fills up at the end of the PDF, where a buffered writer's
    // last flush went unchecked (a file size limit stands for it): nothing
    // under the chosen name, an earlier file kept, and the reason said.
    void failedSaveLeavesNoFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("new file") << QByteArray();
        QTest::newRow("over a good one") << QByteArray("%PDF-1.4 good\n%%EOF\n");
    }
    void failedSaveLeavesNoFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("file size limits are set on Unix only");
#else
        QFETCH(QByteArray, before);
        fixture::Game g;
        PrintSheetsDialog &w = *g.program->windows().frmPrintSheets;
        FakePrinter printer;
        QTemporaryDir dir;
        printer.fileName = dir.filePath("puzzles.pdf");
        if (!before.isEmpty()) {
            QFile old(printer.fileName);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(before);
        }
        w.count()->setValue(12);
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 17 * 1024;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        w.SavePdfClick();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(g.messages.reports.size(), 1);
        QVERIFY2(g.messages.reports[0].startsWith(QStringLiteral("The puzzles could not be saved to \"%1\": ")
                                                      .arg(QDir::toNativeSeparators(printer.fileName)))
                     && !g.messages.reports[0].endsWith(": "),
                 qPrintable(g.messages.reports[0]));
        const QStringList left = QDir(dir.path()).entryList(QDir::Files);
        if (before.isEmpty()) {
            QCOMPARE(left, QStringList());
        } else {
            QCOMPARE(left, QStringList{"puzzles.pdf"});
            QFile kept(printer.fileName);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), before);
        }
        // The sheet is larger than the limit.
        w.SavePdfClick();
        QVERIFY(QFileInfo(printer.fileName).size() > qint64(small.rlim_cur));
#endif
    }
};

QTEST_MAIN(TestPuzzleSheet)
#include "test_puzzle_sheet.moc"
