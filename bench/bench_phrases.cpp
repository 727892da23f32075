// Timing of the phrase page on a long file: opening it (read, strip the accents, fill the
// student's copy) and correcting it, each against one plain fill of a text box with the
// same text; opening also with a million lines.
#include "help/PhrasesPage.h"
#include "help/UnitAyuda.h"
#include "shared/TextFile.h"
#include "widgets/BigText.h"
#include "ui/DialogService.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

#include <map>

namespace {

// The file of every benchmark below but the long ones.
constexpr int fileLines = 10000;
// A phrase file far beyond any class's: opening it must stay within half as much again as
// filling one text box with it.
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

// The length the next open dialog chooses.
int chosenLines = fileLines;

// Every open dialog chooses the long file.
class ChooseFile : public QtDialogService {
public:
    FileDialogResult openFile(QWidget *, const FileDialogRequest &) override
    {
        return {true, phraseFile(chosenLines), 1};
    }
};

struct Window {
    Window()
    {
        DialogService::setInstance(&dialogs);
        ayuda.show();
    }
    ~Window() { DialogService::setInstance(nullptr); }
    ChooseFile dialogs;
    TAyuda ayuda;
};

// The yardstick: the file's text put into a box like the page's, in the same kind of window.
void BM_SetPlainText(benchmark::State &state)
{
    const int lines = int(state.range(0));
    Window window;
    QTextEdit *box = window.ayuda.phrasesPage->RichEdit2;
    const QString text = TextFile::readLines(phraseFile(lines)).join(QLatin1Char('\n'));
    for (auto _ : state) {
        box->setPlainText(text);
        benchmark::DoNotOptimize(box->document()->blockCount());
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_SetPlainText)->Arg(fileLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetPlainText)->Arg(longFileLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenPhraseFile(benchmark::State &state)
{
    const int lines = int(state.range(0));
    chosenLines = lines;
    Window window;
    PhrasesPage *page = window.ayuda.phrasesPage;
    for (auto _ : state) {
        page->AbrefrasesClick();
        benchmark::DoNotOptimize(page->RichEdit2->document()->blockCount());
    }
    if (page->referenceLines().size() != lines)
        state.SkipWithError("the file was not read whole");
    chosenLines = fileLines;
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_OpenPhraseFile)->Arg(fileLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPhraseFile)->Arg(longFileLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// The student's copy as opened, half its lines repaired, corrected.
void BM_CorrectPhrases(benchmark::State &state)
{
    Window window;
    PhrasesPage *page = window.ayuda.phrasesPage;
    for (auto _ : state) {
        state.PauseTiming();
        page->AbrefrasesClick();
        QStringList student = page->RichEdit2->toPlainText().split(QLatin1Char('\n'));
        for (int i = 0; i < student.size(); i += 2)
            student[i] = page->referenceLines().at(i);
        page->RichEdit2->setPlainText(student.join(QLatin1Char('\n')));
        state.ResumeTiming();
        page->CorregirClick();
        benchmark::DoNotOptimize(page->BigText1->Count());
    }
    if (page->BigText1->Count() != fileLines)
        state.SkipWithError("the correction did not show every line");
    state.SetItemsProcessed(state.iterations() * fileLines);
}
BENCHMARK(BM_CorrectPhrases)->Unit(benchmark::kMillisecond);

} // namespace
