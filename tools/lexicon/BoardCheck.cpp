// Ten thousand new boards from ten thousand seeds, half of them for a student without a
// history and half for students with misses: every word fair by the spelling check, no word
// twice in a board, each rule's count on the board within one word of its share. Prints the
// figures; fails when one of them misses its goal.
#include "exercises/BoardMaker.h"
#include "exercises/Lexicon.h"
#include "spanish/SpellingDictionary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void print(const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stdout);
}

// A history for the seed: none for even seeds, a few rules missed a few times for odd ones.
RuleMisses historyFor(std::uint32_t seed)
{
    RuleMisses misses;
    if (seed % 2 == 0)
        return misses;
    const QList<BoardRule> rules = BoardRules::all();
    for (int i = 0; i < 3; ++i)
        misses[rules[int((seed / 2 + std::uint32_t(i) * 3) % std::uint32_t(rules.size()))]] += int(seed % 7) + i + 1;
    return misses;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int boards = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QStringList problems;
    const Lexicon lexicon = Lexicon::read(Lexicon::resourcePath(), &problems);
    const SpellingDictionary &dictionary = SpellingDictionary::shared();
    if (!problems.isEmpty() || lexicon.isEmpty() || !dictionary.isAvailable() || boards < 1) {
        print(problems.join(u'\n'));
        print(dictionary.unavailableText());
        print(u"No se pueden comprobar los tableros."_s);
        return 1;
    }

    // Each word is judged by the spelling check once, whatever the list says of it.
    QHash<QString, bool> judged;
    const BoardMaker maker(lexicon);
    QStringList pools;
    for (BoardRule rule : BoardRules::all())
        pools << u"%1 %2"_s.arg(BoardRules::name(rule)).arg(maker.fairWordCount(rule));
    print(u"Palabras justas del léxico por regla: %1."_s.arg(pools.join(u", "_s)));
    qint64 words = 0;
    qint64 unfair = 0;
    qint64 repeated = 0;
    int boardsOffMix = 0;
    double worstGap = 0;
    qint64 nanoseconds = 0;
    QElapsedTimer timer;
    for (int seed = 0; seed < boards; ++seed) {
        const RuleMisses misses = historyFor(std::uint32_t(seed));
        timer.start();
        const NewBoard board = maker.make(std::uint32_t(seed), misses);
        nanoseconds += timer.nsecsElapsed();

        QSet<QString> seen;
        for (const QString &word : board.words) {
            ++words;
            auto verdict = judged.constFind(word);
            if (verdict == judged.cend())
                verdict = judged.insert(word, Lexicon::isFair(word, dictionary));
            unfair += !*verdict;
            repeated += seen.contains(word);
            seen.insert(word);
        }
        const auto weights = maker.weights(misses);
        std::array<int, BoardRules::count> onBoard{};
        for (int i = 0; i < BoardExercise::boardSize && i < board.rules.size(); ++i)
            ++onBoard[std::size_t(board.rules[i])];
        bool offMix = board.words.size() != BoardExercise::boardSize + BoardMaker::replacementCount;
        for (std::size_t rule = 0; rule < onBoard.size(); ++rule) {
            const double gap = std::abs(onBoard[rule] - weights[rule] * BoardExercise::boardSize);
            worstGap = std::max(worstGap, gap);
            offMix = offMix || gap > 1.0;
        }
        if (offMix && boardsOffMix == 0) {
            QStringList figures;
            for (std::size_t rule = 0; rule < onBoard.size(); ++rule)
                figures << u"%1 %2 de %3"_s.arg(BoardRules::key(BoardRule(rule))).arg(onBoard[rule]).arg(weights[rule] * BoardExercise::boardSize, 0, 'f', 2);
            print(u"Primer tablero fuera de lo pedido, semilla %1: %2."_s.arg(seed).arg(figures.join(u", "_s)));
        }
        boardsOffMix += offMix;
    }

    const double fairPercent = 100.0 * double(words - unfair) / double(words);
    print(u"Tableros: %1 (semillas 0 a %2), %3 palabras en total."_s.arg(boards).arg(boards - 1).arg(words));
    print(u"Palabras justas: %1 % (%2 injustas)."_s.arg(fairPercent, 0, 'f', 2).arg(unfair));
    print(u"Palabras repetidas dentro de un tablero: %1."_s.arg(repeated));
    print(u"Tableros cuya mezcla de reglas se aparta más de una palabra de lo pedido: %1 (mayor desvío: %2 palabras)."_s
              .arg(boardsOffMix)
              .arg(worstGap, 0, 'f', 2));
    print(u"Tiempo medio por tablero: %1 ms."_s.arg(double(nanoseconds) / 1e6 / boards, 0, 'f', 3));
    const bool passed = unfair == 0 && repeated == 0 && boardsOffMix == 0;
    print(passed ? u"Todo dentro de lo pedido."_s : u"Hay tableros fuera de lo pedido."_s);
    return passed ? 0 : 1;
}
