// Building the main window, and the refresh of a full board.
#include "BenchMain.h"

#include "app/Program.h"
#include "game/main.h"
#include "periphery/Seams.h"
#include "play/PlayModel.h"

#include <QTemporaryDir>

namespace {

const char *const kSolved = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

void BM_ConstructMainWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    seams::setProgramDirectory(dir.path());
    const Windows others; // construction reaches none of them
    PlayModel play(dir.path());
    for (auto _ : state) {
        TForm1 form(others, play);
        benchmark::DoNotOptimize(form.sd991);
    }
}
BENCHMARK(BM_ConstructMainWindow)->Unit(benchmark::kMillisecond);

void BM_CheckConflictsShowAll(benchmark::State &state)
{
    TPICSD33 board;
    for (int i = 0; i < 81; ++i) {
        board.cellAt(i)->state = i % 3 ? stBigNumber : stFixed;
        board.cellAt(i)->value = QString(QChar::fromLatin1(kSolved[i]));
    }
    // Alternate two positions so the display really changes every round.
    bool flip = false;
    for (auto _ : state) {
        board.cellAt(40)->value = flip ? "5" : "3";
        flip = !flip;
        board.CheckConflicts();
        board.ShowAll();
    }
}
BENCHMARK(BM_CheckConflictsShowAll)->Unit(benchmark::kMicrosecond);

} // namespace

NODALA_BENCH_MAIN()
