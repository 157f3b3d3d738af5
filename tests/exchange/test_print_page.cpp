#include "exchange/PrintPage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace printpage;

namespace {

const QString kBig = QStringLiteral(
    R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 22pt; color: %1; )"
    R"(width: 60px; height: 60px; text-align: center;">%2</td>)");
const QString kSmall = QStringLiteral(
    R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 7pt; color: black; )"
    R"(width: 60px; height: 60px; text-align: left; vertical-align: top;">%1 &nbsp;</td>)");

// 1-based line of each cell's marker in the template, by board index.
QList<int> markerLines()
{
    QList<int> at(81, 0);
    const QStringList &t = Memo_model();
    for (int i = 0; i < t.size(); ++i)
        if (t.at(i).startsWith("node") && t.at(i).size() > 7 && (t.at(i)[6] == ' ' || t.at(i)[6] == '\t'))
            at[(t.at(i)[4].digitValue() - 1) * 9 + t.at(i)[5].digitValue() - 1] = i + 1;
    return at;
}

} // namespace

class TestPrintPage : public QObject {
    Q_OBJECT

private slots:
    void templateHasItsFixedStructure()
    {
        const QStringList &t = Memo_model();
        QCOMPARE(t.size(), 201);
        QVERIFY(t.first().startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\""));
        QVERIFY(t.mid(0, 10).join("").contains("charset=iso-8859-1"));
        for (const char *box : {"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3"})
            QCOMPARE(t.join("").count(QStringLiteral(R"(id="%1")").arg(box)), 1);

        const QList<int> at = markerLines();
        QVERIFY(!at.contains(0));
        // Box by box, each box's cells row by row; the first on line 46.
        int previous = 45;
        for (int box = 0; box < 9; ++box)
            for (int k = 0; k < 9; ++k) {
                const int line = at[(box / 3 * 3 + k / 3) * 9 + box % 3 * 3 + k % 3];
                QVERIFY2(line > previous, qPrintable(QStringLiteral("box %1 cell %2").arg(box + 1).arg(k)));
                previous = line;
            }
        QCOMPARE(at[0], 46);
    }

    void cellMarkupByState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("given") << int(stFixed) << "5" << kBig.arg("black", "5");
        QTest::newRow("player's digit") << int(stBigNumber) << "5" << kBig.arg("blue", "5");
        QTest::newRow("candidates") << int(stCandidates) << "1245" << kSmall.arg("1245");
        QTest::newRow("no candidates shown") << int(stCandidates) << "" << kSmall.arg("");
        QTest::newRow("hostile value")
            << int(stBigNumber) << R"(</td><script>alert("x" & 'y')</script>)"
            << kBig.arg("blue", "&lt;/td&gt;&lt;script&gt;alert(&quot;x&quot; &amp; &#39;y&#39;)&lt;/script&gt;");
        QTest::newRow("line break cannot split the page")
            << int(stCandidates) << "1\r\n2" << kSmall.arg("1&#13;&#10;2");
        QTest::newRow("beyond Latin-1") << int(stCandidates) << QString::fromUtf16(u"1\u20ac") << kSmall.arg("1&#8364;");
    }
    void cellMarkupByState()
    {
        QFETCH(int, state);
        QFETCH(QString, value);
        QFETCH(QString, line);
        QCOMPARE(cellMarkup(state, value), line);
    }

    void pageReplacesEveryMarker()
    {
        OwnedGrid board;
        for (int i = 0; i < 81; ++i) {
            board.at(i / 9 + 1, i % 9 + 1).state = 1 + i % 3;
            board.at(i / 9 + 1, i % 9 + 1).value = QString::number(i % 9 + 1).repeated(1 + i % 3 / 2);
        }
        const QStringList page = pageLines(board.grid());
        QCOMPARE(page.size(), 201);
        const QList<int> at = markerLines();
        for (int i = 0; i < 81; ++i) {
            const CellData &cell = board.grid()[i];
            QCOMPARE(page.at(at[i] - 1), cellMarkup(cell.state, cell.value));
        }
        QCOMPARE(pageText(board.grid()), page.join("\r\n") + "\r\n");
    }

    void writesTheFileWholeAndOverwrites()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("print_temp.htm");
        OwnedGrid board;
        board.at(1, 1).value = QStringLiteral("\u00e9<");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();
        QCOMPARE(writePage(dir.path(), board.grid()), QString());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes, pageText(board.grid()).toLatin1());
        QCOMPARE(bytes.count("\r\n"), 201);
        QVERIFY(bytes.contains("\xe9&lt;</td>")); // Latin-1, one byte
        QVERIFY(!writePage(dir.filePath("missing"), board.grid()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPrintPage)
#include "test_print_page.moc"
