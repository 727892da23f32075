// The one main of every benchmark program: an application object on the offscreen platform
// (unless another is asked for), the program's fonts, boxes that answer themselves, then
// Google Benchmark.
#include "BenchDialogs.h"

#include "shared/FontSubstitutes.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No benchmark makes a sound or waits for the sound device.
    qputenv("TILDORA_SIN_SONIDO", "1");
    QApplication app(argc, argv);
    FontSubstitutes::install();
    // A box of the real program would wait for ever for a click that never comes.
    BenchDialogs dialogs;
    DialogService::setInstance(&dialogs);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DialogService::setInstance(nullptr);
    return 0;
}
