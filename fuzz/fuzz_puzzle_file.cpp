// Any bytes through the reader of puzzle files: no crash, no hang, and
// every puzzle it hands out is 81 cells with a title fit for one line.
#include "exchange/PuzzleFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const puzzlefile::FileRead read = puzzlefile::readPuzzleBytes(bytes, QStringLiteral("input"));
    if (read.ok() != read.error.isEmpty())
        std::abort();
    for (const puzzlefile::Puzzle &p : read.puzzles) {
        if (p.givens.size() != 81 || p.title.size() > 120 || p.title.contains(QLatin1Char('\n'))
            || p.title.contains(QLatin1Char('\t')))
            std::abort();
        for (const char c : p.givens)
            if (c < '0' || c > '9')
                std::abort();
    }
    return 0;
}
