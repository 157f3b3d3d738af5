// A move in mode All with its whole refresh, and a new game by level.
#include "BenchMain.h"

#include "game/DigitPad.h"
#include "puzzle/Ufrmtk.h"
#include "support/GameDriver.h"
#include "game/main.h"
#include "periphery/Seams.h"
#include "records/Ufrmstep.h"

#include <QRadioButton>
#include <QTemporaryDir>

namespace {

using Window = fixture::Game;

void BM_CellMouseDownModeAll(benchmark::State &state)
{
    Window w;
    w.form->NewGameClick(2);
    w.form->rb_all->setChecked(true);
    // An open cell: place its first candidate by its mark, then take it
    // back with a left click on the big number (the timed handler).
    TPicNode *cell = nullptr;
    for (int i = 80; i >= 0 && !cell; --i)
        if (w.form->sd991->cellAt(i)->state == stCandidates)
            cell = w.form->sd991->cellAt(i);
    const int mark = cell->value.at(0).digitValue();
    for (auto _ : state) {
        state.PauseTiming();
        w.form->MarkMouseDown(cell->marks[static_cast<size_t>(mark)], Qt::LeftButton);
        state.ResumeTiming();
        w.form->CellMouseDown(cell, Qt::LeftButton);
    }
}
BENCHMARK(BM_CellMouseDownModeAll)->Unit(benchmark::kMicrosecond);

void BM_NewGame(benchmark::State &state)
{
    Window w;
    int level = 0;
    for (auto _ : state) {
        w.form->NewGameClick(level);
        level = (level + 1) % 5;
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond);

} // namespace

NODALA_BENCH_MAIN()
