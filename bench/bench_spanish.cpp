// The Spanish engine over the system's whole Spanish word list: syllables, stress, class and
// the rule of every word, as the word check does it.
#include "spanish/ExplainCommand.h"
#include "spanish/SpanishWord.h"
#include "spanish/TildeRule.h"

#include <QFile>
#include <QList>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

struct WordList {
    QString text;
    QList<QStringView> words;
};

const WordList &wordList()
{
    static const WordList list = [] {
        WordList loaded;
        QFile file(QStringLiteral("/usr/share/dict/spanish"));
        if (file.open(QIODevice::ReadOnly))
            loaded.text = QString::fromUtf8(file.readAll());
        for (QStringView word : QStringView(loaded.text).split(u'\n', Qt::SkipEmptyParts))
            loaded.words.append(word);
        return loaded;
    }();
    return list;
}

void perWord(benchmark::State &state, qsizetype words)
{
    state.SetItemsProcessed(state.iterations() * words);
    // Seconds per word, shown with its SI prefix (u for microseconds).
    state.counters["per_word"] = benchmark::Counter(double(words),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_AnalyseWordList(benchmark::State &state)
{
    const QList<QStringView> &words = wordList().words;
    if (words.isEmpty()) {
        state.SkipWithError("/usr/share/dict/spanish is missing (package wspanish)");
        return;
    }
    for (auto _ : state) {
        int demanded = 0;
        for (QStringView word : words) {
            const SpanishWord analysis(word);
            if (analysis.isValid())
                demanded += TildeRule(analysis).demandsTilde();
        }
        benchmark::DoNotOptimize(demanded);
    }
    perWord(state, words.size());
}
BENCHMARK(BM_AnalyseWordList)->Unit(benchmark::kMillisecond);

// With every text the command line prints: syllables, sequences and the sentence.
void BM_ExplainWordList(benchmark::State &state)
{
    const QList<QStringView> &words = wordList().words;
    if (words.isEmpty()) {
        state.SkipWithError("/usr/share/dict/spanish is missing (package wspanish)");
        return;
    }
    for (auto _ : state) {
        qsizetype length = 0;
        for (QStringView word : words)
            length += ExplainCommand::line(word).size();
        benchmark::DoNotOptimize(length);
    }
    perWord(state, words.size());
}
BENCHMARK(BM_ExplainWordList)->Unit(benchmark::kMillisecond);

} // namespace
