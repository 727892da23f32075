// Start-up cost: creating the program's five windows and showing the practice window with its
// board, against an empty main window.
#include "app/TildoraWindows.h"
#include "practice/PracticeWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void BM_EmptyMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.resize(729, 439);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_EmptyMainWindow)->Unit(benchmark::kMillisecond);

static void BM_TildoraWindows(benchmark::State &state)
{
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(TILDORA_DATA "/nivel1.txt"), folder.filePath(QStringLiteral("nivel1.txt")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    for (auto _ : state) {
        TildoraWindows windows;
        windows.showPracticeWindow();
        QCoreApplication::processEvents();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_TildoraWindows)->Unit(benchmark::kMillisecond);
