// A clock tick on an unchanged board, and a long history through the file.
#include "BenchMain.h"

#include "base/AtomicTextFile.h"
#include "support/GameDriver.h"
#include "periphery/Seams.h"
#include "records/GameRecordFile.h"
#include "records/Ufrmstep.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

void BM_TickUnchangedBoard(benchmark::State &state)
{
    fixture::Game game;
    TForm1 &form = *game.form;
    for (int i = 0; i < 81; ++i) {
        form.sd991->cellAt(i)->state = stCandidates;
        form.sd991->cellAt(i)->value = "123456789"; // the longest step line
    }
    form.ResetSteps();
    for (auto _ : state)
        form.TimeLabel1Timer();
}
BENCHMARK(BM_TickUnchangedBoard)->Unit(benchmark::kMicrosecond);

QStringList longRecord()
{
    QStringList lines{"2 " + QString(81, '0'), QString(81, '5')};
    const QString step = QStringList(81, "3123456789").join(',');
    for (int i = 0; i < 100000; ++i)
        lines << step;
    return lines;
}

void BM_Save100kSteps(benchmark::State &state)
{
    QTemporaryDir dir;
    const QStringList lines = longRecord();
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(atomictext::writeLines(dir.filePath("lastgame.dat"), lines, &error));
}
BENCHMARK(BM_Save100kSteps)->Unit(benchmark::kMillisecond);

void BM_Load100kSteps(benchmark::State &state)
{
    QTemporaryDir dir;
    QString error;
    atomictext::writeLines(dir.filePath("lastgame.dat"), longRecord(), &error);
    for (auto _ : state)
        benchmark::DoNotOptimize(atomictext::readLines(dir.filePath("lastgame.dat"), gamerecord::kMaxBytes));
}
BENCHMARK(BM_Load100kSteps)->Unit(benchmark::kMillisecond);

// The whole "Continue Your Last Game" on a record of 100,000 steps.
void BM_Continue100kSteps(benchmark::State &state)
{
    fixture::Game game;
    TForm1 &form = *game.form;
    const QTemporaryDir &dir = game.dir;
    QStringList lines = longRecord();
    lines[0] = "2 " + QString(81, '0');
    lines[1] = QString();
    QString error;
    atomictext::writeLines(dir.filePath("lastgame.dat"), lines, &error);
    for (auto _ : state) {
        form.Con1Click();
        benchmark::DoNotOptimize(game.steps->memostep.size());
    }
}
BENCHMARK(BM_Continue100kSteps)->Unit(benchmark::kMillisecond);

// "Continue" on a 100 MB record: 0, nothing but line breaks (damaged at its
// first step); 1, valid steps all through. The peak memory of one run is
// what counts:
//   /usr/bin/time -v bench_records --benchmark_filter='HugeRecord/0'
void BM_ContinueHugeRecord(benchmark::State &state)
{
    constexpr qint64 kSize = 100 << 20;
    fixture::Game game;
    TForm1 &form = *game.form;
    {
        QFile file(game.dir.filePath("lastgame.dat"));
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the record");
        const QByteArray step = state.range(0) == 0 ? QByteArray(64 * 1024, '\n')
                                                    : QStringList(81, "3123456789").join(',').toLatin1() + "\r\n";
        if (state.range(0) == 1)
            file.write("2 " + QByteArray(81, '0') + "\r\n\r\n");
        while (file.size() < kSize)
            file.write(step);
    }
    for (auto _ : state) {
        form.Con1Click();
        benchmark::DoNotOptimize(game.steps->memostep.size());
    }
    state.counters["steps"] = static_cast<double>(game.steps->memostep.size());
}
BENCHMARK(BM_ContinueHugeRecord)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

NODALA_BENCH_MAIN()
