// The import dialog's box on large pastes: a paste of any size and OK must
// answer within a few seconds, and a long line must not keep a core busy
// while the caret blinks there.
#include "BenchMain.h"

#include "board/PICSD33.h"
#include "exchange/UfrmImport.h"

#include <QClipboard>
#include <QTextEdit>

namespace {

// range(0) KiB of text: lines of a framed grid's width, or one line. The
// box takes 32 KiB; 1, 10 and 50 MB are refused.
QString pasteText(qsizetype kib, bool oneLine)
{
    const qsizetype size = kib << 10;
    if (oneLine)
        return QString(size, QLatin1Char('7'));
    const QString line =
        QStringLiteral("|         5     13789      2389|    123479       379         6|") + QString(31, '.') + '\n';
    QString text;
    text.reserve(size + line.size());
    while (text.size() + line.size() <= size)
        text += line;
    return text;
}

template <bool oneLine>
void BM_PasteAndRead(benchmark::State &state)
{
    TfrmImport dialog;
    TPICSD33 board;
    QApplication::clipboard()->setText(pasteText(state.range(0), oneLine));
    for (auto _ : state) {
        dialog.memo2->clear();
        dialog.memo2->paste();
        dialog.ReadInto(&board);
        QApplication::processEvents();
    }
    state.counters["held"] = static_cast<double>(dialog.memo2->document()->characterCount());
}
// From the largest text the box takes to 50 MiB, once each: the large
// ones are refused, and one run shows whether that is quick.
void pasteSizes(benchmark::internal::Benchmark *b)
{
    for (int kib : {32, 1 << 10, 10 << 10, 50 << 10})
        b->Arg(kib);
    b->Iterations(1)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_PasteAndRead<false>)->Name("PasteAndRead/Lines/KiB")->Apply(pasteSizes);
BENCHMARK(BM_PasteAndRead<true>)->Name("PasteAndRead/OneLine/KiB")->Apply(pasteSizes);

// One repaint of the box with the caret at the end of a line of range(0)
// KiB, or of the longest line it takes: what every blink of the caret costs.
void BM_CaretBlinkOnLongLine(benchmark::State &state)
{
    TfrmImport dialog;
    dialog.show();
    QApplication::clipboard()->setText(QString(qMin<qsizetype>(state.range(0) << 10, TfrmImport::kMaxText), QLatin1Char('7')));
    dialog.memo2->paste();
    dialog.memo2->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    for (auto _ : state)
        dialog.memo2->viewport()->repaint();
    state.counters["held"] = static_cast<double>(dialog.memo2->document()->characterCount());
}
BENCHMARK(BM_CaretBlinkOnLongLine)->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

} // namespace

NODALA_BENCH_MAIN()
