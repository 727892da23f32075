// The student's results page written to a file, with 40 misses over the four exercises (a
// poor session) and with 300: it is saved while the student waits, so it must feel instant
// (budget 300 ms for 40).
#include "results/ResultsPdf.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void BM_ResultsPdf(benchmark::State &state)
{
    using SessionDetail::Exercise;
    const QStringList rules{QStringLiteral("hiato"), QStringLiteral("aguda-n"), QStringLiteral("esdrujula"),
                            QStringLiteral("grupo-llana"), QStringLiteral("porque")};
    QList<SessionDetail::Miss> misses;
    for (int n = 0; n < state.range(0); ++n)
        misses << SessionDetail::Miss{Exercise(n % 4), QStringLiteral("palabra%1").arg(n), QStringLiteral("palabra%1").arg(n),
                                      QStringLiteral("palábra%1").arg(n), rules.at(n % rules.size()), QString(),
                                      QStringLiteral("Esdrújula: lleva tilde siempre, como todas las de su clase.")};
    ResultsSummary::Figures figures;
    figures.studentName = QStringLiteral("Íñigo Pérez Núñez");
    figures.studentGroup = QStringLiteral("4º A");
    figures.percentages = {60, 70, 55, 40, 56};
    QTemporaryDir out;
    const QDateTime when(QDate(2026, 12, 8), QTime(10, 15));
    // The first page of a run also loads its fonts: that one the student waits for too.
    qint64 first = -1;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        if (ResultsPdf::write(out.filePath(QStringLiteral("resultados.pdf")), figures, misses, when) != TextFile::SaveStatus::Ok)
            state.SkipWithError("the results page was not saved");
        if (first < 0)
            first = timer.elapsed();
    }
    state.counters["first_ms"] = double(first);
}
BENCHMARK(BM_ResultsPdf)->Arg(40)->Arg(300)->Unit(benchmark::kMillisecond)->Iterations(10);
