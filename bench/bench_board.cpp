// A board file of a million lines: loading it against a plain line-by-line read of the same
// file, and what the practice window holds once it is loaded.
#include "exercises/BoardExercise.h"
#include "practice/PracticeWindow.h"
#include "richtext/RichTextFile.h"
#include "exercises/RunCounts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

constexpr int bigBoardLines = 1000000;

QString writeBigBoard(const QTemporaryDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QByteArray words[] = {"cami\xf3n", "\xe1rbol", "murci\xe9lago", "canci\xf3n", "examen"};
    for (int line = 0; line < bigBoardLines; ++line)
        file.write(words[line % 5] + "\r\n");
    return path;
}

const QString &bigBoard()
{
    static QTemporaryDir folder;
    static const QString path = writeBigBoard(folder, QStringLiteral("grande.txt"));
    return path;
}

// Resident memory of this process, in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace

static void BM_PlainLineRead(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(bigBoard());
        file.open(QIODevice::ReadOnly);
        qint64 lines = 0;
        while (!file.atEnd()) {
            benchmark::DoNotOptimize(file.readLine());
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_PlainLineRead)->Unit(benchmark::kMillisecond);

static void BM_BoardLoad(benchmark::State &state)
{
    RunCounts counts;
    BoardExercise board(counts);
    for (auto _ : state) {
        board.start(RichTextFile::readText(bigBoard()));
        benchmark::DoNotOptimize(board.wordAt(bigBoardLines));
    }
}
BENCHMARK(BM_BoardLoad)->Unit(benchmark::kMillisecond);

// The practice window opened on the shipped board, then on the big one: the difference in
// resident memory is what the big board costs. (An empty file is no board: the window would
// say so in a box.)
static void BM_PracticeWindowMemory(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    for (auto _ : state) {
        QFile::remove(QStringLiteral("nivel1.txt"));
        QFile::copy(QStringLiteral(TILDORA_DATA "/nivel1.txt"), QStringLiteral("nivel1.txt"));
        qint64 shippedBoard = 0;
        {
            PracticeWindow window;
            QCoreApplication::processEvents();
            shippedBoard = residentBytes();
        }
        QFile::remove(QStringLiteral("nivel1.txt"));
        QFile::copy(bigBoard(), QStringLiteral("nivel1.txt"));
        PracticeWindow window;
        QCoreApplication::processEvents();
        state.counters["extra_MB"] = double(residentBytes() - shippedBoard) / (1024 * 1024);
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_PracticeWindowMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
