// The next-step explanation: every step true to the solution along whole
// solving paths, each technique described, the states of a position, and
// the tool's line format.
#include "puzzle/Ufrmtk.h"
#include "solver/Engine.h"
#include "solver/grader/Explain.h"
#include "solver/grader/Generator.h"
#include "solver/grader/Grader.h"
#include "LadderPuzzles.h"

#include <QRegularExpression>
#include <QtTest>

#include <vector>

using grader::ExplainState;
using grader::Technique;

Q_DECLARE_METATYPE(std::vector<engine::Grid>)

namespace {

#ifdef NODALA_SANITIZED
constexpr int kBankStride = 100, kRandomPuzzles = 20;
#else
constexpr int kBankStride = 5, kRandomPuzzles = 400;
#endif

engine::Grid grid(const char *text) { return engine::parse(text, 81); }

const engine::Grid kPuzzle = grid("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
const engine::Grid kSolution = grid("534678912672195348198342567859761423426853791713924856961537284287419635345286179");

engine::Grid with(engine::Grid g, int cell, int digit)
{
    g[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(digit);
    return g;
}

} // namespace

class TestExplain : public QObject {
    Q_OBJECT

private slots:
    // Walks each puzzle by placing every explanation's placement, checking
    // each step on the way.
    void everyStepIsTrue_data()
    {
        QTest::addColumn<std::vector<engine::Grid>>("puzzles");
        QTest::addColumn<bool>("everyTechnique");
        for (int level = 0; level < 5; ++level) {
            std::vector<engine::Grid> puzzles;
            const QStringList bank = Tfrmtk::builtInLevel(level);
            for (qsizetype i = level; i < bank.size(); i += kBankStride)
                puzzles.push_back(engine::parse(bank.at(i)));
            QTest::addRow("bank level %d", level) << puzzles << false;
        }
        std::vector<engine::Grid> random;
        for (int k = 0; k < kRandomPuzzles; ++k)
            random.push_back(grader::removeClues(grader::randomGrid(70 + static_cast<std::uint64_t>(k)),
                                                 170 + static_cast<std::uint64_t>(k), 0));
        QTest::newRow("random minimal") << random << false;
        std::vector<engine::Grid> ladder;
        for (const char *p : kLadder)
            ladder.push_back(grid(p));
        QTest::newRow("one per technique") << ladder << true;
    }
    void everyStepIsTrue()
    {
        QFETCH(std::vector<engine::Grid>, puzzles);
        QFETCH(bool, everyTechnique);
        static const QRegularExpression place(QStringLiteral("^[a-z0-9-]+ place r[1-9]c[1-9]=[1-9]$"));
        static const QRegularExpression remove(QStringLiteral("^[a-z0-9-]+ remove( r[1-9]c[1-9]-[1-9])+$"));
        std::uint32_t seen = 0;
        for (engine::Grid g : puzzles) {
            const engine::Result r = engine::find(g, 2);
            QCOMPARE(r.count, 1);
            // A step against the solution would end in Stuck.
            const bool mayStick = grader::gradeProper(g).level == grader::kBeyond;
            for (;;) {
                const grader::Explanation e = grader::explainNext(g, &r.first);
                QVERIFY(e.state == ExplainState::Steps || e.state == ExplainState::Finished ||
                        (e.state == ExplainState::Stuck && mayStick));
                for (std::size_t i = 0; i < e.steps.size(); ++i) {
                    const grader::ExplainStep &s = e.steps[i];
                    const QString what = engine::toString(g) + QLatin1Char(' ') + s.toolLine();
                    seen |= 1u << static_cast<int>(s.technique);
                    QVERIFY2(s.place == (e.state == ExplainState::Steps && i + 1 == e.steps.size()), qPrintable(what));
                    QVERIFY2(!s.changes.empty() && (!s.place || s.changes.size() == 1), qPrintable(what));
                    for (const grader::CellDigit &c : s.changes) {
                        QVERIFY2((r.first[static_cast<std::size_t>(c.cell)] == c.digit) == s.place, qPrintable(what));
                        QVERIFY2(s.text.contains(grader::cellName(c.cell), Qt::CaseInsensitive), qPrintable(what + s.text));
                    }
                    QVERIFY2(!s.pattern.empty() && std::is_sorted(s.pattern.begin(), s.pattern.end()), qPrintable(what));
                    QVERIFY2((s.place ? place : remove).match(s.toolLine()).hasMatch(), qPrintable(what));
                    QVERIFY2(!s.title.isEmpty() && !s.text.contains(QLatin1Char('%')), qPrintable(what + s.text));
                }
                if (e.state != ExplainState::Steps)
                    break;
                const grader::CellDigit last = e.steps.back().changes.front();
                g = with(g, last.cell, last.digit);
            }
        }
        if (everyTechnique)
            QCOMPARE(seen, (1u << static_cast<int>(Technique::Count)) - 1);
    }

    // A solution of all zeros stands for none known.
    void states_data()
    {
        QTest::addColumn<engine::Grid>("placed");
        QTest::addColumn<engine::Grid>("solution");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("message");
        const engine::Grid unknown{};
        const QString none = QStringLiteral("This puzzle has no single known solution, so there is no next step to explain.");
        const QString wrong = QStringLiteral("The 1 in row 1, column 3 is not part of the solution.");
        QTest::newRow("wrong digit") << with(kPuzzle, 2, 1) << kSolution << int(ExplainState::WrongDigit) << wrong;
        QTest::newRow("wrong digit before a clash")
            << with(with(kPuzzle, 2, 1), 10, 5) << kSolution << int(ExplainState::WrongDigit) << wrong;
        QTest::newRow("clash in a row") << with(kPuzzle, 2, 5) << unknown << int(ExplainState::Clash)
                                        << QStringLiteral("Two 5s share row 1: remove one of them.");
        QTest::newRow("clash in a box") << with(kPuzzle, 20, 5) << unknown << int(ExplainState::Clash)
                                        << QStringLiteral("Two 5s share box 1: remove one of them.");
        QTest::newRow("no solution") << kPuzzle << unknown << int(ExplainState::NoSolution) << none;
        QTest::newRow("empty board") << engine::Grid{} << unknown << int(ExplainState::NoSolution) << none;
        QTest::newRow("a value past 9 is a blank") << with(kPuzzle, 2, 200) << unknown << int(ExplainState::NoSolution) << none;
        QTest::newRow("finished") << kSolution << kSolution << int(ExplainState::Finished)
                                  << QStringLiteral("The board is complete: there is nothing to explain.");
        const engine::Grid hard = grid("800000000003600000070090200050007000000045700000100030001000068008500010090000400");
        QTest::newRow("beyond the ladder")
            << hard << engine::find(hard, 2).first << int(ExplainState::Stuck)
            << QStringLiteral("None of the techniques this game knows can place a digit from here.");
    }
    void states()
    {
        QFETCH(engine::Grid, placed);
        QFETCH(engine::Grid, solution);
        QFETCH(int, state);
        QFETCH(QString, message);
        const grader::Explanation e = grader::explainNext(placed, solution[0] ? &solution : nullptr);
        QCOMPARE(int(e.state), state);
        QCOMPARE(e.message, message);
        if (e.state == ExplainState::WrongDigit)
            QCOMPARE(e.wrong, (grader::CellDigit{2, 1}));
        for (const grader::ExplainStep &s : e.steps)
            QVERIFY(!s.place);
    }

    // Positions whose first step is the pattern, its roles worked out by
    // hand from the candidates (named in the row): each cell or unit must
    // be named in its own role.
    void namesRoles_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<int>("technique");
        QTest::addColumn<QString>("text");
        QTest::newRow("xy-wing: pivot r5c6, pincers r6c4 and r5c3")
            << "803900751905017328217358090386100075120570830750083012438295167591764283672831549"
            << int(Technique::XYWing)
            << "Row 5, column 6 holds only 6 and 9 and sees row 6, column 4, holding 4 or 6, and row 5, column 3, "
               "holding 4 or 9: whichever digit row 5, column 6 takes, row 6, column 4 or row 5, column 3 is 4, so "
               "no cell that sees both can be. Remove 4 from row 6, column 3.";
        QTest::newRow("swordfish: base rows 3, 4, 8, cover columns 2, 6, 9")
            << "806000010412783956030610280001800530205340090000100070000068040108900065060001020"
            << int(Technique::Swordfish)
            << "In rows 3, 4 and 8, the 4 can only go in columns 2, 6 and 9, at row 3, column 6, row 3, column 9, "
               "row 4, column 2, row 4, column 9, row 8, column 2 and row 8, column 6, so columns 2, 6 and 9 get "
               "their 4s in these rows. Remove 4 from row 1, column 6, row 1, column 9, row 6, column 2 and row 6, "
               "column 9.";
        QTest::newRow("w-wing: ends r1c6 and r7c1, bridge r1c3 and r7c3")
            << "950000602601000905243695781329006874005348269060729513030960158000071306006003407"
            << int(Technique::WWing)
            << "Row 1, column 6 and row 7, column 1 hold only 4 and 7; in column 3 the 7 can only go in row 1, "
               "column 3 or row 7, column 3, one seeing each, so one of row 1, column 6 and row 7, column 1 is 4 "
               "and no cell that sees both can be. Remove 4 from row 7, column 6.";
        QTest::newRow("skyscraper: joined ends r6c3 and r6c9, far ends r2c3 and r3c9")
            << "406351072000640005053709060064037059500194006930560740328415697615973000749006513"
            << int(Technique::Skyscraper)
            << "In column 3 the 1 can only go in row 6, column 3 or row 2, column 3, and in column 9 only in row 6, "
               "column 9 or row 3, column 9; as row 6, column 3 and row 6, column 9 share row 6, row 2, column 3 or "
               "row 3, column 9 holds the 1, so no cell that sees both can. Remove 1 from row 2, column 7 and row "
               "3, column 1.";
        QTest::newRow("unique rectangle: three corners hold only 4 and 9, r3c7 more")
            << "169542387074600205052070060008067053006005708537981642493756821685003070721894536"
            << int(Technique::UniqueRectangle)
            << "Row 3, column 9, row 8, column 7 and row 8, column 9 hold only 4 and 9; if row 3, column 7 were 4 "
               "or 9, the four corners could swap their digits and the puzzle would have two solutions. Remove 4 "
               "and 9 from row 3, column 7.";
    }
    void namesRoles()
    {
        QFETCH(QString, position);
        QFETCH(int, technique);
        QFETCH(QString, text);
        const engine::Grid placed = engine::parse(position);
        const engine::Grid solution = engine::find(placed, 2).first;
        const grader::Explanation e = grader::explainNext(placed, &solution);
        QVERIFY(!e.steps.empty());
        QCOMPARE(int(e.steps.front().technique), technique);
        QCOMPARE(e.steps.front().text, text);
    }

    void names()
    {
        QCOMPARE(grader::cellName(0), QStringLiteral("row 1, column 1"));
        QCOMPARE(grader::cellName(43), QStringLiteral("row 5, column 8"));
        grader::ExplainStep s;
        s.technique = Technique::Claiming;
        s.changes = {{80, 3}, {4, 9}, {4, 2}};
        QCOMPARE(s.toolLine(), QStringLiteral("locked-candidates remove r1c5-2 r1c5-9 r9c9-3"));
        s.technique = Technique::BugPlusOne;
        s.place = true;
        s.changes = {{9, 7}};
        QCOMPARE(s.toolLine(), QStringLiteral("bug-plus-one place r2c1=7"));
    }
};

QTEST_GUILESS_MAIN(TestExplain)
#include "test_explain.moc"
