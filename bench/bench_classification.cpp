// The cost of the classification recount the help window runs every second: the judgement
// alone, and the whole tick with the page's lists and labels.
#include "exercises/ClassificationExercise.h"
#include "help/ExamplesPage.h"
#include "help/ExercisesWindow.h"
#include "exercises/ExerciseScores.h"
#include "widgets/TabbedNotebook.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// Every word in its group: the most matching a recount can have to do.
ClassificationExercise::GroupItems allPlaced()
{
    ClassificationExercise::GroupItems groups;
    for (const QString &word : ClassificationExercise::startingWords()) {
        for (int group = 0; group < ClassificationExercise::groupCount; ++group) {
            if (ClassificationExercise::count(group, {word}) > 0)
                groups[std::size_t(group)].append(word);
        }
    }
    return groups;
}

} // namespace

static void BM_RecountAllPlaced(benchmark::State &state)
{
    RunCounts counts;
    counts.exampleAttempts = 60;
    ClassificationExercise exercise(counts);
    const ClassificationExercise::GroupItems groups = allPlaced();
    for (auto _ : state)
        benchmark::DoNotOptimize(exercise.recount(groups));
}
BENCHMARK(BM_RecountAllPlaced)->Unit(benchmark::kMicrosecond);

// One tick of the help window with nothing changed since the last one, the page on view.
static void BM_IdleTick(benchmark::State &state)
{
    ExercisesWindow window;
    window.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    window.findChild<TabbedNotebook *>()->setPageIndex(ExercisesWindow::PageEjemplos);
    window.show();
    auto *page = window.findChild<ExamplesPage *>();
    const ClassificationExercise::GroupItems groups = allPlaced();
    window.findChild<QListWidget *>(QStringLiteral("ListBox1"))->clear();
    for (int group = 0; group < ClassificationExercise::groupCount; ++group)
        page->groupList(group)->addItems(groups[std::size_t(group)]);
    window.scores().counts().exampleAttempts = 60;
    window.refreshFigures();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.refreshFigures();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMicrosecond);
