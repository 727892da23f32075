// Making new boards from the lexicon.
#include "exercises/BoardMaker.h"

#include "shared/TextFile.h"

#include <algorithm>
#include <numeric>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// An even draw from 0 .. bound-1: the generator's values past the last whole multiple of
// bound are drawn again, so no number is favoured.
std::uint32_t below(std::mt19937 &generator, std::uint32_t bound)
{
    const std::uint32_t skipped = std::uint32_t(0u - bound) % bound; // 2^32 mod bound
    for (;;) {
        const auto value = std::uint32_t(generator());
        if (value >= skipped)
            return value % bound;
    }
}

// The first count places of items get an even draw of the items, in drawn order.
template<typename T>
void drawFirst(QList<T> &items, qsizetype count, std::mt19937 &generator)
{
    for (qsizetype i = 0; i < count && i + 1 < items.size(); ++i)
        std::swap(items[i], items[i + qsizetype(below(generator, std::uint32_t(items.size() - i)))]);
}

} // namespace

QString NewBoard::fileText() const
{
    return TextFile::joinCrLf(words);
}

QByteArray NewBoard::fileBytes() const
{
    return TextFile::encodeWindows1252(fileText());
}

BoardMaker::BoardMaker(const Lexicon &lexicon) : m_lexicon(lexicon)
{
    QList<int> order(lexicon.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return lexicon.entries()[a].rank < lexicon.entries()[b].rank; });
    for (int index : order) {
        const Lexicon::Entry &entry = lexicon.entries()[index];
        if (entry.fair)
            m_pools[std::size_t(entry.rule)].append(index);
    }
}

QList<BoardRule> BoardMaker::practisedRules() const
{
    QList<BoardRule> rules;
    for (BoardRule rule : BoardRules::all())
        if (!m_pools[std::size_t(rule)].isEmpty())
            rules.append(rule);
    return rules;
}

std::array<double, BoardRules::count> BoardMaker::weights(const RuleMisses &misses) const
{
    std::array<double, BoardRules::count> weights{};
    const QList<BoardRule> rules = practisedRules();
    if (rules.isEmpty())
        return weights;
    double missed = 0;
    for (BoardRule rule : rules)
        missed += std::max(0, misses.value(rule));
    const double floor = 1.0 / (2.0 * double(rules.size()));
    for (BoardRule rule : rules)
        weights[std::size_t(rule)] = missed > 0 ? floor + 0.5 * std::max(0, misses.value(rule)) / missed
                                                : 1.0 / double(rules.size());
    // A rule short of fair words for its share of the board keeps what it has; the rest goes
    // to the others in proportion to their weights, until every share fits.
    std::array<bool, BoardRules::count> capped{};
    for (;;) {
        double excess = 0;
        double open = 0;
        for (std::size_t rule = 0; rule < weights.size(); ++rule) {
            const double most = double(m_pools[rule].size()) / BoardExercise::boardSize;
            if (!capped[rule] && weights[rule] > most) {
                excess += weights[rule] - most;
                weights[rule] = most;
                capped[rule] = true;
            }
        }
        for (std::size_t rule = 0; rule < weights.size(); ++rule)
            open += capped[rule] ? 0 : weights[rule];
        if (excess <= 0 || open <= 0)
            break;
        for (std::size_t rule = 0; rule < weights.size(); ++rule)
            if (!capped[rule])
                weights[rule] += excess * weights[rule] / open;
    }
    return weights;
}

QString BoardMaker::practiceLine(const RuleMisses &misses) const
{
    QList<BoardRule> missed;
    for (BoardRule rule : practisedRules())
        if (misses.value(rule) > 0)
            missed.append(rule);
    std::stable_sort(missed.begin(), missed.end(),
                     [&](BoardRule a, BoardRule b) { return misses.value(a) > misses.value(b); });
    if (practisedRules().isEmpty())
        return {}; // a lexicon without a fair word makes no board to speak of
    const bool evenly = missed.isEmpty();
    QStringList names;
    for (BoardRule rule : evenly ? practisedRules() : missed)
        names.append(BoardRules::name(rule));
    return (evenly ? u"Practica todas las reglas por igual: "_s : u"Practica sobre todo: "_s) + names.join(u"; "_s) + u'.';
}

BoardMaker::Counts BoardMaker::divide(const std::array<double, BoardRules::count> &weights, int total, const Counts &room)
{
    Counts counts{};
    std::array<bool, BoardRules::count> open{};
    for (std::size_t rule = 0; rule < open.size(); ++rule)
        open[rule] = weights[rule] > 0 && room[rule] > 0;
    int left = total;
    while (left > 0) {
        double weightLeft = 0;
        for (std::size_t rule = 0; rule < open.size(); ++rule)
            weightLeft += open[rule] ? weights[rule] : 0;
        if (weightLeft <= 0)
            break; // the lexicon has run out of fair words
        Counts share{};
        std::array<double, BoardRules::count> remainder{};
        int given = 0;
        for (std::size_t rule = 0; rule < open.size(); ++rule) {
            if (!open[rule])
                continue;
            const double exact = left * weights[rule] / weightLeft;
            share[rule] = int(exact);
            remainder[rule] = exact - share[rule];
            given += share[rule];
        }
        std::array<std::size_t, BoardRules::count> byRemainder{};
        std::iota(byRemainder.begin(), byRemainder.end(), std::size_t(0));
        std::stable_sort(byRemainder.begin(), byRemainder.end(),
                         [&](std::size_t a, std::size_t b) { return remainder[a] > remainder[b]; });
        for (std::size_t rule : byRemainder) {
            if (given >= left)
                break;
            if (open[rule]) {
                ++share[rule];
                ++given;
            }
        }
        // A rule short of words keeps all it has; the others share what it cannot take.
        bool overflow = false;
        for (std::size_t rule = 0; rule < open.size(); ++rule) {
            if (open[rule] && share[rule] >= room[rule]) {
                overflow = overflow || share[rule] > room[rule];
                counts[rule] = room[rule];
                left -= room[rule];
                open[rule] = false;
            }
        }
        if (!overflow) {
            for (std::size_t rule = 0; rule < open.size(); ++rule)
                counts[rule] += open[rule] ? share[rule] : 0;
            break;
        }
    }
    return counts;
}

NewBoard BoardMaker::make(std::uint32_t seed, const RuleMisses &misses) const
{
    const std::array<double, BoardRules::count> shares = weights(misses);
    Counts room{};
    for (std::size_t rule = 0; rule < room.size(); ++rule)
        room[rule] = int(m_pools[rule].size());
    const Counts onBoard = divide(shares, BoardExercise::boardSize, room);
    for (std::size_t rule = 0; rule < room.size(); ++rule)
        room[rule] -= onBoard[rule];
    const Counts replacing = divide(shares, replacementCount, room);

    std::mt19937 generator(seed);
    QList<int> board;
    QList<int> replacements;
    for (std::size_t rule = 0; rule < room.size(); ++rule) {
        QList<int> pool = m_pools[rule];
        drawFirst(pool, onBoard[rule] + replacing[rule], generator);
        board.append(pool.mid(0, onBoard[rule]));
        replacements.append(pool.mid(onBoard[rule], replacing[rule]));
    }
    drawFirst(board, board.size(), generator);
    drawFirst(replacements, replacements.size(), generator);

    NewBoard made;
    made.practiceLine = practiceLine(misses);
    for (const QList<int> *part : {&board, &replacements}) {
        for (int index : *part) {
            made.words.append(m_lexicon.entries()[index].word);
            made.rules.append(m_lexicon.entries()[index].rule);
        }
    }
    return made;
}

RuleMisses BoardMaker::historyMisses(const QList<ScoreHistory::Record> &records)
{
    RuleMisses total;
    for (const ScoreHistory::Record &record : records)
        for (auto miss = record.misses.cbegin(); miss != record.misses.cend(); ++miss)
            if (const std::optional<BoardRule> rule = BoardRules::fromKey(miss.key()))
                total[*rule] += miss.value();
    return total;
}

QMap<QString, int> BoardMaker::keyedMisses(const RuleMisses &misses)
{
    QMap<QString, int> keyed;
    for (auto miss = misses.cbegin(); miss != misses.cend(); ++miss)
        if (miss.value() > 0)
            keyed.insert(BoardRules::key(miss.key()), miss.value());
    return keyed;
}
