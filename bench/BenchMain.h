#pragma once

// A benchmark main that runs inside a QApplication on the offscreen
// platform, so widgets can be measured without a display.
#include <QApplication>
#include <benchmark/benchmark.h>

#define NODALA_BENCH_MAIN()                                                                                            \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
