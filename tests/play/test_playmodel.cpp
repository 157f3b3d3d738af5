// The play model without a window: each change said once by its signal,
// options written as they change, wrong digits only while shown.
#include "board/CellData.h"
#include "play/PlayModel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestPlayModel : public QObject {
    Q_OBJECT
private slots:
    void changesSaidOnce()
    {
        QTemporaryDir dir;
        PlayModel play(dir.path());
        QSignalSpy options(&play, &PlayModel::optionsChanged), paused(&play, &PlayModel::pausedChanged),
            level(&play, &PlayModel::levelChanged);
        play.setOption(0, true);
        play.setOption(0, true);
        play.setPaused(true);
        play.setPaused(true);
        play.setLevel(3);
        play.setLevel(3);
        QCOMPARE(options.size(), 1);
        QCOMPARE(paused.size(), 1);
        QCOMPARE(level.size(), 1);
        QFile f(play.optionsPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), options::format(play.options()));
        QVERIFY(PlayModel(dir.path()).options().everyClash);
    }

    void wrongDigitsWhileShown()
    {
        QTemporaryDir dir;
        PlayModel play(dir.path());
        OwnedGrid board;
        board.at(1, 1) = CellData{1, 1, "5", stBigNumber, false};
        board.at(1, 2) = CellData{1, 2, "4", stBigNumber, false};
        board.at(1, 3) = CellData{1, 3, "7", stCandidates, false}; // an open cell of one candidate counts
        board.at(1, 4) = CellData{1, 4, "89", stCandidates, false};
        const QString solution = QString("5167") + QString(77, '0');
        QSignalSpy changed(&play, &PlayModel::wrongDigitsChanged);
        play.findWrongDigits(board.grid(), solution);
        play.findWrongDigits(board.grid(), solution);
        QCOMPARE(changed.size(), 1);
        QCOMPARE((QList<bool>{play.wrongDigit(0), play.wrongDigit(1), play.wrongDigit(2), play.wrongDigit(3)}),
                 (QList<bool>{false, true, true, false}));
        play.setOption(1, false);
        play.findWrongDigits(board.grid(), solution);
        QVERIFY(!play.wrongDigit(1));
    }
};

QTEST_GUILESS_MAIN(TestPlayModel)
#include "test_playmodel.moc"
