// The report windows at a large school's scale: the class view opening a folder of 5,000
// results files, without and with a detail file of ten misses beside each (budget 1 s), and
// the progress chart of 10,000 sessions (budget 200 ms), each
// until it is drawn; the class PDF of 5,000 rows, whose longest stretch between two pages
// (when the window answers no one) must stay under 100 ms.
#include "results/MissRules.h"
#include "results/ResultsSummary.h"
#include "results/ScoreHistory.h"
#include "results/SessionDetail.h"
#include "reports/ClassResultsWindow.h"
#include "reports/ProgressWindow.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A folder of generated results files, made once for every run; with misses, each has its
// detail file beside it, the misses spread over the rules.
const QTemporaryDir &classFolder(int students, int misses)
{
    static QTemporaryDir plainFolder, detailedFolder;
    static int plainMade = 0, detailedMade = 0;
    const QTemporaryDir &folder = misses > 0 ? detailedFolder : plainFolder;
    int &made = misses > 0 ? detailedMade : plainMade;
    const QStringList rules = MissRules::keys();
    for (; made < students; ++made) {
        const int b = (made * 37) % 101, e = (made * 53) % 101, f = (made * 11) % 101, q = (made * 71) % 101;
        ResultsSummary::Figures figures;
        figures.studentName = QStringLiteral("Alumna %1 Núñez").arg(made);
        figures.studentGroup = QStringLiteral("%1º B").arg(made % 4 + 1);
        figures.percentages = {b, e, f, q, ResultsSummary::average(b, e, f, q)};
        const QString name = QStringLiteral("resultado%1").arg(made, 5, 10, QLatin1Char('0'));
        QFile file(folder.filePath(name + QStringLiteral(".txt")));
        if (file.open(QIODevice::WriteOnly))
            file.write(ResultsSummary::fileBytes(ResultsSummary::fileLines(figures)));
        if (misses == 0)
            continue;
        SessionDetail::Detail detail;
        detail.scores = {figures.percentages, figures.studentName, figures.studentGroup};
        detail.when = QDateTime(QDate(2026, 3, 14), QTime(9, 5));
        for (int n = 0; n < misses; ++n)
            detail.misses << SessionDetail::Miss{SessionDetail::Exercise::Board, QStringLiteral("murcielago"),
                                                 QStringLiteral("murcielago"), QStringLiteral("murciélago"),
                                                 rules.at((made + n * n) % rules.size()), {},
                                                 QStringLiteral("esdrújula: lleva tilde siempre.")};
        QFile detailFile(folder.filePath(name + QStringLiteral(".json")));
        if (detailFile.open(QIODevice::WriteOnly))
            detailFile.write(SessionDetail::toJson(detail));
    }
    return folder;
}

// The progress window opened on a history file until it is on screen, as the student sees it;
// gives how many sessions its first series drew.
int drawnSessions(const QString &path)
{
    ProgressWindow window;
    window.resize(760, 520);
    window.show();
    window.loadHistory(path);
    window.repaint();
    QCoreApplication::processEvents();
    const QChartView *chart = window.findChild<QChartView *>(QStringLiteral("ProgressChart"));
    return int(static_cast<QLineSeries *>(chart->chart()->series().at(0))->count());
}

} // namespace

static void BM_ClassViewOpensFolder(benchmark::State &state)
{
    const int students = int(state.range(0));
    const int misses = int(state.range(1));
    const QTemporaryDir &folder = classFolder(students, misses);
    for (auto _ : state) {
        ClassResultsWindow window;
        window.resize(980, 640);
        window.show();
        window.openFolder(folder.path());
        window.repaint();
        QCoreApplication::processEvents();
        if (window.findChild<QTableWidget *>(QStringLiteral("Table"))->rowCount() != students)
            state.SkipWithError("the class view did not list every student");
        int counted = 0;
        for (const ClassResults::RuleShare &share : window.shownShares())
            counted += share.misses;
        if (counted != students * misses)
            state.SkipWithError("the class view did not count every miss");
    }
}
BENCHMARK(BM_ClassViewOpensFolder)->Args({5000, 0})->Args({5000, 10})->Unit(benchmark::kMillisecond)->Iterations(5);

static void BM_ClassPdfExport(benchmark::State &state)
{
    QList<ClassResults::Row> rows;
    for (int n = 0; n < state.range(0); ++n) {
        const int b = (n * 37) % 101, e = (n * 53) % 101, f = (n * 11) % 101, q = (n * 71) % 101;
        rows << ClassResults::Row{{{b, e, f, q, ResultsSummary::average(b, e, f, q)}, QStringLiteral("Alumna %1 Núñez").arg(n),
                                   QStringLiteral("%1º B").arg(n % 4 + 1)},
                                  QDateTime(QDate(2026, 3, 14), QTime(9, 5)), {}};
    }
    QTemporaryDir out;
    qint64 longest = 0;
    int pages = 0;
    for (auto _ : state) {
        QElapsedTimer pause;
        pause.start();
        const auto saved = ClassResults::writePdf(out.filePath(QStringLiteral("clase.pdf")), rows, out.path(),
                                                  [&](int, int all) {
                                                      longest = std::max(longest, pause.restart());
                                                      pages = all;
                                                      return true;
                                                  });
        longest = std::max(longest, pause.elapsed());
        if (!saved || *saved != TextFile::SaveStatus::Ok)
            state.SkipWithError("the class PDF was not saved");
    }
    state.counters["longest_pause_ms"] = double(longest);
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ClassPdfExport)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3);

static void BM_ProgressDrawsHistory(benchmark::State &state)
{
    ScoreHistory::Contents history;
    const QDateTime start(QDate(2020, 1, 1), QTime(9, 0));
    for (int n = 0; n < state.range(0); ++n)
        history.records << ScoreHistory::Record{{{n % 101, (n * 7) % 101, (n * 3) % 101, (n * 11) % 101, (n * 5) % 101},
                                                 QStringLiteral("Ana"), QStringLiteral("2B")},
                                                start.addSecs(qint64(n) * 3600 * 5)};
    // The history file written once; each run reads it back and draws it.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("historial.csv"));
    QByteArray bytes = ScoreHistory::header() + '\n';
    for (const ScoreHistory::Record &record : history.records)
        bytes += ScoreHistory::line(record) + '\n';
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        state.SkipWithError("cannot write the history file");
    file.close();
    for (auto _ : state) {
        if (drawnSessions(path) == 0 && state.range(0) > 0)
            state.SkipWithError("the history was not drawn");
    }
}
BENCHMARK(BM_ProgressDrawsHistory)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(10);

// The progress window on a history file of about the given size, until it is drawn: the
// largest history the program accepts, and one of 100 MB that no session ever wrote.
static void BM_ProgressOpensHistoryFile(benchmark::State &state)
{
    const qint64 size = state.range(0);
    // In memory where there is such a folder: writing 100 MB to a shared disk takes longer
    // than everything measured here.
    QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/bench_reports-XXXXXX")
                                                                 : QDir::tempPath() + QStringLiteral("/bench_reports-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("historial.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the history file");
        QByteArray chunk = ScoreHistory::header() + '\n';
        const QDateTime start(QDate(2000, 1, 1), QTime(9, 0));
        qint64 written = 0;
        for (qint64 n = 0;; ++n) {
            const QByteArray line = ScoreHistory::line({{{int(n % 101), int(n * 7 % 101), int(n * 3 % 101),
                                                          int(n * 11 % 101), int(n * 5 % 101)},
                                                         QStringLiteral("Ana Núñez"), QStringLiteral("2º B")},
                                                        start.addSecs(n * 600)})
                + '\n';
            if (written + chunk.size() + line.size() > size)
                break;
            chunk += line;
            if (chunk.size() > (1 << 20)) {
                written += file.write(chunk);
                chunk.clear();
            }
        }
        written += file.write(chunk);
        state.counters["bytes"] = double(written);
    }
    for (auto _ : state)
        drawnSessions(path);
}
BENCHMARK(BM_ProgressOpensHistoryFile)->Arg(2000000)->Arg(100000000)->Unit(benchmark::kMillisecond)->Iterations(3);
