// Timing of the line viewer: loading a long phrase file, and painting a view of few or many lines.
#include "widgets/BigText.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

constexpr int fileLines = 30000;

// A phrase file as teachers write them: Windows-1252 accents, CR LF, now and then a tab.
const QString &phraseFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("frases.txt"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write the phrase file");
        for (int i = 0; i < fileLines; ++i) {
            QByteArray line = "La canci\xf3n n\xfamero " + QByteArray::number(i)
                + " se oy\xf3 tambi\xe9n en el jard\xedn de Mar\xed" "a.";
            if (i % 10 == 0)
                line += "\tbis";
            out.write(line + "\r\n");
        }
        return file;
    }();
    return path;
}

void BM_LoadFromFile(benchmark::State &state)
{
    BigText viewer;
    for (auto _ : state) {
        viewer.LoadFromFile(phraseFile());
        benchmark::DoNotOptimize(viewer.Count());
    }
    state.SetItemsProcessed(state.iterations() * fileLines);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

// The yardstick: the same file read line by line with nothing done to the lines.
void BM_QFileReadLines(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(phraseFile());
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the phrase file");
        int lines = 0;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine();
            benchmark::DoNotOptimize(line.constData());
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * fileLines);
}
BENCHMARK(BM_QFileReadLines)->Unit(benchmark::kMillisecond);

// One full paint of the view, halfway down the lines: the cost must not grow with the line count.
// The rows shown read alike whatever the line count, so only the count differs.
void BM_PaintView(benchmark::State &state)
{
    const int lines = int(state.range(0));
    BigText viewer;
    viewer.resize(665, 337);
    viewer.show();
    for (int i = 0; i < lines; ++i)
        viewer.AddLine(QStringLiteral("La canción número %1 se oyó también en el jardín.").arg(i % 100, 5),
                       i % 2 ? Colors::clRed : Colors::clTeal, i % 2 ? Colors::clLime : Colors::clBtnFace,
                       false);
    viewer.RecalcRange();
    viewer.ScrollTo(0, viewer.VMax() / 2);
    QImage image(viewer.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        viewer.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = viewer.VisibleRows() + 1;
}
BENCHMARK(BM_PaintView)->Arg(100)->Arg(fileLines)->Unit(benchmark::kMicrosecond);

} // namespace
