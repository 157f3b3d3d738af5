// Opening a collection of 100,000 puzzles as the game does: the reader, the
// picker's list and its first painted rows. It must take well under a
// second. Peak memory is the process's high-water mark of resident memory
// (Linux), reset once the file is written, beside what it held then.
#include "BenchMain.h"

#include "exchange/PuzzleCollection.h"
#include "exchange/PuzzleOpener.h"
#include "exchange/PuzzlePicker.h"
#include "puzzle/Ufrmtk.h"
#include "solver/Usol.h"
#include "support/FakeGameHost.h"

#include <QFile>
#include <QTableView>
#include <QTimer>
#include <QWindow>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int kPuzzles = 100000;

// The bank's puzzles from level first on, their digits relabelled, up to
// 100,000 lines: from 0, all 2,500 relabelled 40 ways; from 4, the
// Diabolical ones only, so every row shown costs the most to grade.
QByteArray collection(int first)
{
    QByteArray text;
    text.reserve(qsizetype(kPuzzles) * 83);
    int lines = 0;
    for (int shift = 0; lines < kPuzzles; ++shift)
        for (int level = first; level < 5; ++level)
            for (const QString &entry : Tfrmtk::builtInLevel(level)) {
                if (lines++ == kPuzzles)
                    return text;
                for (const QChar c : entry)
                    text += c.isDigit() ? char('1' + (c.digitValue() - 1 + shift) % 9) : '.';
                text += '\n';
            }
    return text;
}

long statusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    return 0;
}

void BM_OpenCollection(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("collection.sdm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(collection(int(state.range(0)))) < 0)
        state.SkipWithError("cannot write the collection");
    file.close();

    FakeGameHost host;
    Tfrm_sol solver;
    Tfrm_sol *const slot = &solver;
    PuzzleOpener opener(host, slot);
#ifdef __GLIBC__
    malloc_trim(0); // what writing the file freed goes back to the system
#endif
    QFile clear(QStringLiteral("/proc/self/clear_refs")); // "5": the high-water mark starts again
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    const long before = statusKb("VmRSS:");
    int graded = 0, rows = 0;
    for (auto _ : state) {
        // The picker is painted, then cancelled.
        QTimer::singleShot(0, [&] {
            auto *picker = qobject_cast<PuzzlePicker *>(QApplication::activeModalWidget());
            if (!picker)
                return;
            while (!picker->windowHandle() || !picker->windowHandle()->isExposed())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            picker->table->viewport()->repaint();
            auto *list = static_cast<PuzzleCollection *>(picker->table->model());
            graded = list->gradedCount();
            rows = list->rowCount();
            picker->reject();
        });
        opener.OpenFile(path);
    }
    state.counters["rows"] = rows;
    state.counters["graded"] = graded;
    state.counters["rss_before_MB"] = double(before) / 1024;
    state.counters["peak_MB"] = double(statusKb("VmHWM:")) / 1024;
}
// What a filter by level costs: grading the bank's 2,500 puzzles, one of
// each 40th of the collection.
void BM_GradeBank(benchmark::State &state)
{
    QByteArray text = collection(0);
    text.truncate(2500 * 82);
    const QList<puzzlefile::Puzzle> puzzles = puzzlefile::readPuzzles(text);
    for (auto _ : state) {
        PuzzleCollection list(puzzles);
        list.setFilter(4);
        while (list.gradeMore(100)) {
        }
        benchmark::DoNotOptimize(list.rowCount());
    }
    state.counters["per_puzzle_us"] = benchmark::Counter(2500, benchmark::Counter::kIsIterationInvariantRate
                                                                    | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GradeBank)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_OpenCollection)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond)->MinTime(3);

} // namespace

NODALA_BENCH_MAIN()
