// New boards: reading the lexicon built into the program (goal: 150 ms at most) and making one
// board once it is read (goal: 50 ms at most), for a student without a history and for one
// who misses hiatos.
#include "exercises/BoardMaker.h"
#include "exercises/Lexicon.h"

#include <benchmark/benchmark.h>

static void BM_LexiconLoad(benchmark::State &state)
{
    for (auto _ : state) {
        const Lexicon lexicon = Lexicon::read(Lexicon::resourcePath());
        benchmark::DoNotOptimize(lexicon.size());
    }
    state.SetLabel("meta: 150 ms");
}
BENCHMARK(BM_LexiconLoad)->Unit(benchmark::kMillisecond);

static void BM_Board(benchmark::State &state)
{
    const Lexicon lexicon = Lexicon::read(Lexicon::resourcePath());
    const BoardMaker maker(lexicon);
    RuleMisses misses;
    if (state.range(0) != 0)
        misses[BoardRule::Hiato] = 5;
    std::uint32_t seed = 0;
    for (auto _ : state) {
        const NewBoard board = maker.make(seed++, misses);
        benchmark::DoNotOptimize(board.words.size());
    }
    state.SetLabel(state.range(0) != 0 ? "fallos en hiatos; meta: 50 ms" : "sin historial; meta: 50 ms");
}
BENCHMARK(BM_Board)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
