// Timing of the phrase page on a long file: opening it (read, strip the accents, fill the
// student's copy) and correcting it, each against one plain fill of a text box with the
// same text; opening and correcting the largest file the page takes, and refusing larger ones.
#include "help/PhrasesPage.h"
#include "help/ExercisesWindow.h"
#include "shared/AppError.h"
#include "shared/TextFile.h"
#include "widgets/BigText.h"
#include "ui/DialogService.h"

#include "BenchDialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

#include <map>

namespace {

// The file of the ratios below.
constexpr int fileLines = 10000;
// The largest file of shipped phrases the page takes, under its size limit.
constexpr int largestFileLines = 44000;
// A phrase file far beyond any class's: it is refused, and at once.
constexpr int longFileLines = 1000000;

// The shipped phrases over and over, numbered, in Windows-1252 with CR LF; one file per length.
const QString &phraseFile(int lines = fileLines)
{
    static QTemporaryDir dir;
    static std::map<int, QString> made;
    QString &path = made[lines];
    if (path.isEmpty()) {
        const QStringList phrases = TextFile::readLines(QStringLiteral(TILDORA_DATA "/Frases.txt"));
        QStringList text;
        for (int i = 0; i < lines; ++i)
            text << QStringLiteral("%1. %2").arg(i + 1).arg(phrases.at(i % phrases.size()));
        path = dir.filePath(QStringLiteral("Frases%1.txt").arg(lines));
        TextFile::writeLines(path, text);
    }
    return path;
}

// A file within the size limit but with a line for every two bytes: only its lines refuse it.
const QString &emptyLinesFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("vacias.txt"));
        TextFile::writeBytes(file, QByteArray("S\xED.\r\n") + QByteArray(PhrasesPage::MaxFileBytes - 8, '\n'));
        return file;
    }();
    return path;
}

// The length the next open dialog chooses.
int chosenLines = fileLines;

// The file the next open dialog chooses instead, when set.
QString chosenPath;

// Every open dialog chooses the file of chosenLines lines (or chosenPath); every other box is
// answered at once, so that no run waits for a keyboard.
class ChooseFile : public BenchDialogs {
public:
    FileDialogResult openFile(QWidget *, const FileDialogRequest &) override
    {
        return {true, chosenPath.isEmpty() ? phraseFile(chosenLines) : chosenPath, 1};
    }
};

struct Window {
    Window() { ayuda.show(); }
    ChooseFile dialogs;
    ScopedDialogs inPlace{dialogs};
    ExercisesWindow ayuda;
    PhrasesPage *page() const { return ayuda.findChild<PhrasesPage *>(); }
    QTextEdit *box() const { return ayuda.findChild<QTextEdit *>(QStringLiteral("RichEdit2")); }
    BigText *viewer() const { return ayuda.findChild<BigText *>(); }
};

// The yardstick: the file's text put into a box like the page's, in the same kind of window.
void BM_SetPlainText(benchmark::State &state)
{
    const int lines = int(state.range(0));
    Window window;
    QTextEdit *box = window.box();
    const QString text = TextFile::readLines(phraseFile(lines)).join(QLatin1Char('\n'));
    for (auto _ : state) {
        box->setPlainText(text);
        benchmark::DoNotOptimize(box->document()->blockCount());
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_SetPlainText)->Arg(fileLines)->Unit(benchmark::kMillisecond);

void BM_OpenPhraseFile(benchmark::State &state)
{
    const int lines = int(state.range(0));
    chosenLines = lines;
    Window window;
    PhrasesPage *page = window.page();
    for (auto _ : state) {
        page->openPhraseFile();
        benchmark::DoNotOptimize(window.box()->document()->blockCount());
    }
    if (window.box()->document()->blockCount() != lines)
        state.SkipWithError("the file was not read whole");
    chosenLines = fileLines;
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_OpenPhraseFile)->Arg(fileLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPhraseFile)->Arg(largestFileLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// A file too large by its size (a million lines) or by its lines (a line for every two bytes):
// the page says so within a fraction of a second and keeps what it showed.
void BM_RefusePhraseFile(benchmark::State &state)
{
    const bool bySize = state.range(0) == 0;
    chosenPath = bySize ? phraseFile(longFileLines) : emptyLinesFile();
    Window window;
    PhrasesPage *page = window.page();
    int refused = 0;
    for (auto _ : state) {
        try {
            page->openPhraseFile();
        } catch (const AppError &) {
            ++refused;
        }
    }
    chosenPath.clear();
    if (refused != state.iterations())
        state.SkipWithError("the file was not refused");
    state.SetLabel(bySize ? "by its size" : "by its lines");
}
BENCHMARK(BM_RefusePhraseFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The student's copy as opened, half its lines repaired, corrected.
void BM_CorrectPhrases(benchmark::State &state)
{
    const int lines = int(state.range(0));
    chosenLines = lines;
    Window window;
    PhrasesPage *page = window.page();
    // The file's lines as written, which are the page's correct text.
    const QStringList reference = TextFile::readLines(phraseFile(lines));
    for (auto _ : state) {
        state.PauseTiming();
        page->openPhraseFile();
        QStringList student = window.box()->toPlainText().split(QLatin1Char('\n'));
        for (int i = 0; i < student.size(); i += 2)
            student[i] = reference.at(i);
        window.box()->setPlainText(student.join(QLatin1Char('\n')));
        state.ResumeTiming();
        page->correctPhrases();
        benchmark::DoNotOptimize(window.viewer()->Count());
    }
    if (window.viewer()->Count() != lines)
        state.SkipWithError("the correction did not show every line");
    chosenLines = fileLines;
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_CorrectPhrases)->Arg(fileLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CorrectPhrases)->Arg(largestFileLines)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
