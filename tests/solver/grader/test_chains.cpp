// The chain techniques on crafted positions: each finds the chain its
// kind allows and nothing a weaker kind could not see.
#include "CraftedBoard.h"
#include "solver/grader/Technique.h"
#include "solver/grader/Techniques.h"

#include <QtTest>

using namespace crafted;
using grader::Board;

namespace {

bool run(grader::TechniqueFn fn, Board &b, int *length = nullptr)
{
    int extra = 0;
    const bool changed = fn(b, extra);
    if (length)
        *length = extra;
    return changed;
}

// 1(0,0) = 1(0,4) - 7(0,4) = 7(5,4) - 3(5,4) = 3(5,0): one of 1 at (0,0)
// and 3 at (5,0), two cells of column 0.
Board mixedChain(bool broken)
{
    Board b = open();
    only(b, 1, row(0), {at(0, 0), at(0, 4)});
    cands(b, at(0, 4), {1, 7});
    only(b, 7, col(4), {at(0, 4), at(5, 4)});
    cands(b, at(5, 4), {7, 3});
    if (broken)
        only(b, 3, row(5), {at(5, 4), at(5, 0), at(5, 8)});
    else
        only(b, 3, row(5), {at(5, 4), at(5, 0)});
    return b;
}

// 1(0,0) = 1(0,6) - 1{(3,6),(4,6)} = 1(5,8): a group in box 5.
Board groupedChain(bool broken)
{
    Board b = open();
    only(b, 1, row(0), {at(0, 0), at(0, 6)});
    if (broken)
        only(b, 1, box(5), {at(3, 6), at(4, 6), at(4, 7), at(5, 8)});
    else
        only(b, 1, box(5), {at(3, 6), at(4, 6), at(5, 8)});
    return b;
}

} // namespace

class TestChains : public QObject {
    Q_OBJECT

private slots:
    void xCycle()
    {
        // Three conjugate pairs on 1: (0,0)-(6,0), (6,0)-(6,5), (6,5)-(2,5).
        Board b = open();
        only(b, 1, col(0), {at(0, 0), at(6, 0)});
        only(b, 1, row(6), {at(6, 0), at(6, 5)});
        only(b, 1, col(5), {at(6, 5), at(2, 5)});
        int length = 0;
        QVERIFY(run(grader::xCycle, b, &length));
        QCOMPARE(length, 3); // (0,0) = (6,0) - (6,5) = (2,5)
        QVERIFY(!b.has(at(2, 1), 1) || !b.has(at(0, 3), 1));
        QVERIFY(b.has(at(0, 0), 1) && b.has(at(2, 5), 1));

        Board mixed = mixedChain(false);
        QVERIFY(!run(grader::xCycle, mixed)); // needs other digits
    }

    void xyChain()
    {
        // (0,0){1,2} -2- (0,6){2,3} -3- (4,6){3,4} -4- (4,2){4,1}
        Board b = open();
        cands(b, at(0, 0), {1, 2});
        cands(b, at(0, 6), {2, 3});
        cands(b, at(4, 6), {3, 4});
        cands(b, at(4, 2), {4, 1});
        int length = 0;
        QVERIFY(run(grader::xyChain, b, &length));
        QCOMPARE(length, 7);
        for (int cell : {at(0, 2), at(4, 0), at(1, 2), at(3, 0)})
            QVERIFY(!b.has(cell, 1));
        QVERIFY(b.has(at(0, 0), 1) && b.has(at(4, 2), 1) && b.has(at(8, 8), 1));

        Board other = open();
        cands(other, at(0, 0), {1, 2});
        cands(other, at(0, 6), {2, 3});
        cands(other, at(4, 6), {3, 4});
        cands(other, at(4, 2), {4, 5});
        QVERIFY(!run(grader::xyChain, other));
    }

    void alternatingChain()
    {
        Board b = mixedChain(false);
        QVERIFY(!run(grader::xyChain, b));
        int length = 0;
        QVERIFY(run(grader::alternatingChain, b, &length));
        QCOMPARE(length, 5);
        QVERIFY(!b.has(at(0, 0), 3));
        QVERIFY(!b.has(at(5, 0), 1));
        QVERIFY(b.has(at(0, 0), 1) && b.has(at(5, 0), 3));

        Board broken = mixedChain(true);
        QVERIFY(!run(grader::alternatingChain, broken));
    }

    void groupedNodes()
    {
        Board b = groupedChain(false);
        QVERIFY(!run(grader::alternatingChain, b)); // no chain of single cells
        QVERIFY(run(grader::groupedChain, b));
        QVERIFY(!b.has(at(5, 0), 1));
        QVERIFY(b.has(at(4, 0), 1));

        Board broken = groupedChain(true);
        QVERIFY(!run(grader::groupedChain, broken));
    }

    void medusa()
    {
        // Both colours of the mixed chain's cluster meet at (0,0) and (5,0).
        Board b = mixedChain(false);
        QVERIFY(run(grader::medusa3D, b));
        QVERIFY(!b.has(at(0, 0), 3) || !b.has(at(5, 0), 1));
        QVERIFY(b.has(at(0, 0), 1));

        Board broken = mixedChain(true);
        QVERIFY(!run(grader::medusa3D, broken));
    }
};

QTEST_GUILESS_MAIN(TestChains)
#include "test_chains.moc"
