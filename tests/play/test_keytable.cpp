// The key table: the README and the manual page list its rows word for
// word, and a key with its modifiers finds its command.
#include "play/KeyTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using keytable::Action;
using keytable::Command;
using boardkeys::Move;

Q_DECLARE_METATYPE(keytable::Command)

namespace {

QString source(const QString &path)
{
    QFile f(QStringLiteral(NODALA_TEST_DATA "/../../") + path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList tableRows()
{
    QStringList out;
    for (const keytable::Row &row : keytable::rows())
        out << QString::fromLatin1(row.keys) + QStringLiteral(" | ") + QString::fromLatin1(row.words);
    return out;
}

Command move(Move m) { return {Action::Move, static_cast<int>(m)}; }

} // namespace

class TestKeyTable : public QObject {
    Q_OBJECT
private slots:
    void readmeListsTheTable()
    {
        const QString readme = source(QStringLiteral("README.md"));
        const qsizetype from = readme.indexOf(QStringLiteral("| Key | What it does |"));
        QVERIFY(from > 0);
        QStringList rows;
        for (const QString &line : readme.mid(from).split(QLatin1Char('\n')).mid(2)) {
            if (!line.startsWith(QLatin1String("| ")))
                break;
            rows << line.mid(2, line.size() - 4);
        }
        QCOMPARE(rows, tableRows());
    }

    void manualPageListsTheTable()
    {
        const QString page = source(QStringLiteral("resources/man/sudoku-nodala.6"));
        const qsizetype from = page.indexOf(QStringLiteral(".SH KEYS"));
        const qsizetype to = page.indexOf(QStringLiteral(".TE"), from);
        QVERIFY(from > 0 && to > from);
        static const QRegularExpression cell(QStringLiteral("T\\{\\n(.*?)\\nT\\}\\tT\\{\\n(.*?)\\nT\\}"),
                                             QRegularExpression::DotMatchesEverythingOption);
        const auto text = [](QString s) {
            s.remove(QRegularExpression(QStringLiteral("^\\.B "))).remove(QStringLiteral("\\fR")).remove(QStringLiteral("\\fP"));
            return s.replace(QLatin1Char('\n'), QLatin1Char(' '));
        };
        QStringList rows;
        for (const auto &m : cell.globalMatch(page.mid(from, to - from)))
            rows << text(m.captured(1)) + QStringLiteral(" | ") + text(m.captured(2));
        QCOMPARE(rows, tableRows());
    }

    void commands_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("mods");
        QTest::addColumn<Command>("command");
        const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier), shift(Qt::ShiftModifier),
            keypad(Qt::KeypadModifier);
        QTest::newRow("left") << int(Qt::Key_Left) << none << move(Move::Left);
        QTest::newRow("keypad up") << int(Qt::Key_Up) << keypad << move(Move::Up);
        QTest::newRow("page down") << int(Qt::Key_PageDown) << none << move(Move::ColumnLast);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << Command{Action::Primary};
        QTest::newRow("shift f10") << int(Qt::Key_F10) << shift << Command{Action::Menu};
        QTest::newRow("ctrl z") << int(Qt::Key_Z) << ctrl << Command{Action::Undo};
        QTest::newRow("ctrl shift z") << int(Qt::Key_Z) << (ctrl | shift) << Command{Action::Redo};
        QTest::newRow("digit") << int(Qt::Key_5) << none << Command{Action::SelectDigit, 5};
        QTest::newRow("shift f2") << int(Qt::Key_F2) << shift << Command{Action::Mode, 1};
        QTest::newRow("caps P") << int(Qt::Key_P) << shift << Command{Action::Pause};
        // Not the game's: the keypad's digits, unmodified or wrongly modified keys.
        QTest::newRow("keypad digit") << int(Qt::Key_5) << keypad << Command{};
        QTest::newRow("f10") << int(Qt::Key_F10) << none << Command{};
        QTest::newRow("z") << int(Qt::Key_Z) << none << Command{};
        QTest::newRow("shift left") << int(Qt::Key_Left) << shift << Command{};
        QTest::newRow("ctrl space") << int(Qt::Key_Space) << ctrl << Command{};
    }
    void commands()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, mods);
        QFETCH(Command, command);
        QCOMPARE(keytable::commandFor(key, mods), command);
    }
};

QTEST_GUILESS_MAIN(TestKeyTable)
#include "test_keytable.moc"
