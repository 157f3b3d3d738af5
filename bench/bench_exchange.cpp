// The import reader on texts of 10 MB: whatever is pasted or piped in, it
// must answer well within a second.
#include "exchange/ImportReader.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr qsizetype kSize = 10 << 20;

QString oneLongLine()
{
    return QString(kSize, QLatin1Char('7')); // rule 4: one cell of 10 MB
}

QString millionShortLines()
{
    QString text;
    const QString line = QStringLiteral("| 12 .  3 |\n"); // rows of digit groups
    while (text.size() < kSize)
        text += line;
    return text;
}

QString binaryBytes()
{
    std::mt19937 rng(5);
    QString text(kSize, Qt::Uninitialized);
    for (QChar &ch : text)
        ch = QChar(static_cast<char16_t>(rng() % 256));
    return text;
}

QString nulBytes() { return QString(kSize, QChar(0)); }

// 81 digits and dots spread over junk: rule 3 after scanning everything.
QString digitsInJunk()
{
    QString text(kSize, QLatin1Char('x'));
    for (int i = 0; i < 81; ++i)
        text[i * (kSize / 81)] = i % 2 ? QLatin1Char('.') : QChar(static_cast<char16_t>(u'1' + i % 9));
    return text;
}

// 82 digits far apart on lines of junk: rule 4, cells on lines 1..9 only.
QString candidateGridInJunk()
{
    QString text(kSize, QLatin1Char('-'));
    for (qsizetype i = 0; i < kSize; i += 100)
        text[i] = QLatin1Char('\n');
    for (int i = 0; i < 82; ++i)
        text[(i + 1) * (kSize / 83)] = QLatin1Char('5');
    return text;
}

template <QString (*make)()>
void BM_ReadImport(benchmark::State &state)
{
    const QString text = make();
    for (auto _ : state)
        benchmark::DoNotOptimize(importreader::readImport(text).rule);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadImport<oneLongLine>)->Name("ReadImport/OneLine10MB")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadImport<millionShortLines>)->Name("ReadImport/MillionLines")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadImport<binaryBytes>)->Name("ReadImport/Binary10MB")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadImport<nulBytes>)->Name("ReadImport/Nul10MB")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadImport<digitsInJunk>)->Name("ReadImport/81DigitsInJunk")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadImport<candidateGridInJunk>)->Name("ReadImport/82DigitsInJunk")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
