// The one line rule, on whole texts and on texts cut into pieces.
#include "base/TextLines.h"

#include <QtTest>

namespace {

QList<QByteArray> whole(const QByteArray &text)
{
    QList<QByteArray> lines;
    textlines::forEachLine(text.constData(), text.constData() + text.size(),
                           [&](const char *first, const char *last) { lines.append(QByteArray(first, last - first)); });
    return lines;
}

// The text fed in pieces of `size` bytes, the way a stream reader sees it.
QList<QByteArray> inPieces(const QByteArray &text, int size)
{
    QList<QByteArray> lines;
    QByteArray line;
    bool open = false, afterCr = false;
    for (qsizetype at = 0; at < text.size(); at += size) {
        const char *begin = text.constData() + at;
        textlines::Scanner<char> scanner(begin, begin + qMin<qsizetype>(size, text.size() - at), afterCr);
        const char *first, *last;
        bool ended;
        while (scanner.next(first, last, ended)) {
            line.append(first, last - first);
            open = !ended;
            if (ended) {
                lines.append(line);
                line.clear();
            }
        }
        afterCr = scanner.endsInCr();
    }
    if (open)
        lines.append(line);
    return lines;
}

} // namespace

class TestTextLines : public QObject {
    Q_OBJECT

private slots:
    void splitsAtEveryLineEnd_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
        QTest::newRow("no line end") << QByteArray("ab") << QList<QByteArray>{"ab"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"};
        QTest::newRow("mixed, last unended") << QByteArray("a\r\nb\rc\nd") << QList<QByteArray>{"a", "b", "c", "d"};
        QTest::newRow("empty lines") << QByteArray("\n\r\n\r") << QList<QByteArray>{"", "", ""};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << QList<QByteArray>{"a", ""};
        QTest::newRow("NUL is text") << QByteArray("a\0b\n", 4) << QList<QByteArray>{QByteArray("a\0b", 3)};
    }
    void splitsAtEveryLineEnd()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, lines);
        QCOMPARE(whole(text), lines);
        // A CR LF cut between two pieces is still one line end.
        for (int size = 1; size <= 3; ++size)
            QCOMPARE(inPieces(text, size), lines);
    }
};

QTEST_GUILESS_MAIN(TestTextLines)
#include "test_textlines.moc"
