// The verification of the built-in bank: every entry well formed, with one
// solution, 17 to 52 givens, graded at its level, none repeated.
#include "puzzle/Ufrmtk.h"
#include "solver/grader/BankCheck.h"

#include <QtTest>

class TestBankVerify : public QObject {
    Q_OBJECT

private slots:
    void everyEntryHoldsUp()
    {
        grader::Bank bank;
        for (int level = 0; level < 5; ++level)
            bank[static_cast<std::size_t>(level)] = Tfrmtk::builtInLevel(level);
        const grader::BankReport report = grader::verifyBank(bank);
        QVERIFY2(report.ok, qPrintable(report.firstBad));
        QCOMPARE(report.checked, 2500);
    }
};

QTEST_GUILESS_MAIN(TestBankVerify)
#include "test_bank_verify.moc"
