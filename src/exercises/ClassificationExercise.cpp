// The word classification without its controls.
#include "exercises/ClassificationExercise.h"

#include "exercises/MissRule.h"
#include "shared/NumberFormat.h"
#include "exercises/RunCounts.h"
#include "spanish/WordExplanation.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

namespace {

// One collator for the whole run: building one costs far more than a comparison.
const QCollator &spanishCollator()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Spanish)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

ClassificationExercise::ClassificationExercise(RunCounts &scores) : m_scores(scores) {}

QString ClassificationExercise::groupName(int group)
{
    static const std::array<QString, groupCount> names = {u"Agudas"_s, u"Llanas"_s, u"Esdrújulas"_s,
                                                          u"Diptongos"_s, u"Hiatos"_s, u"Triptongos"_s};
    Q_ASSERT(group >= 0 && group < groupCount);
    return names[std::size_t(group)];
}

const QStringList &ClassificationExercise::startingWords()
{
    // "geógrafo " really ends in a space: the key word "geógrafo" is found inside it.
    static const QStringList words = {
        u"acercáis"_s, u"aguáis"_s, u"alcohol"_s, u"ambiguo"_s, u"amor"_s, u"apacigüéis"_s,
        u"averiéis"_s, u"azúcar"_s, u"baúl"_s, u"búho"_s, u"caimán"_s, u"cáliz"_s,
        u"camaleón"_s, u"cambiéis"_s, u"capataz"_s, u"carencia"_s, u"carey"_s, u"catastral"_s,
        u"catástrofe"_s, u"cóndor"_s, u"copiáis"_s, u"cuéntalo"_s, u"cuidado"_s, u"danés"_s,
        u"desdén"_s, u"deuda"_s, u"embaló"_s, u"estío"_s, u"excepción"_s, u"fábrica"_s,
        u"fértil"_s, u"fotógrafo"_s, u"fragua"_s, u"fuente"_s, u"gavilán"_s, u"geógrafo "_s,
        u"guía"_s, u"homogéneo"_s, u"infeliz"_s, u"joven"_s, u"liméis"_s, u"llovió"_s,
        u"Luisa"_s, u"mártir"_s, u"mecánico"_s, u"Mediterráneo"_s, u"muérdago"_s, u"osario"_s,
        u"pálido"_s, u"pelea"_s, u"plausible"_s, u"poético"_s, u"raído"_s, u"reinado"_s,
        u"secretaria"_s, u"servicio"_s, u"solfeo"_s, u"súbito"_s, u"suela"_s, u"tórax"_s,
    };
    return words;
}

const QStringList &ClassificationExercise::keyWords(int group)
{
    // A word with a vowel cluster belongs to the cluster's group whatever its stress; the
    // three stress groups hold only words without one.
    static const std::array<QStringList, groupCount> key = {
        QStringList{u"danés"_s, u"amor"_s, u"embaló"_s, u"gavilán"_s, u"capataz"_s, u"infeliz"_s,
                    u"catastral"_s, u"desdén"_s},
        QStringList{u"azúcar"_s, u"cáliz"_s, u"fértil"_s, u"tórax"_s, u"cóndor"_s, u"joven"_s,
                    u"mártir"_s},
        QStringList{u"fábrica"_s, u"fotógrafo"_s, u"catástrofe"_s, u"mecánico"_s, u"súbito"_s,
                    u"pálido"_s},
        QStringList{u"servicio"_s, u"secretaria"_s, u"plausible"_s, u"llovió"_s, u"fragua"_s,
                    u"excepción"_s, u"carey"_s, u"carencia"_s, u"ambiguo"_s, u"muérdago"_s,
                    u"fuente"_s, u"reinado"_s, u"cuéntalo"_s, u"deuda"_s, u"Luisa"_s,
                    u"acercáis"_s, u"liméis"_s, u"cuidado"_s, u"suela"_s, u"caimán"_s,
                    u"osario"_s},
        QStringList{u"poético"_s, u"alcohol"_s, u"pelea"_s, u"raído"_s, u"camaleón"_s,
                    u"estío"_s, u"búho"_s, u"guía"_s, u"Mediterráneo"_s, u"homogéneo"_s,
                    u"baúl"_s, u"solfeo"_s, u"geógrafo"_s},
        QStringList{u"aguáis"_s, u"apacigüéis"_s, u"averiéis"_s, u"cambiéis"_s, u"copiáis"_s},
    };
    Q_ASSERT(group >= 0 && group < groupCount);
    return key[std::size_t(group)];
}

int ClassificationExercise::groupSize(int group)
{
    return int(keyWords(group).size());
}

bool ClassificationExercise::sortsBefore(const QString &left, const QString &right)
{
    return spanishCollator().compare(left, right) < 0;
}

int ClassificationExercise::sortedPosition(const QStringList &orderedWords, const QString &word)
{
    const auto place = std::upper_bound(orderedWords.cbegin(), orderedWords.cend(), word, sortsBefore);
    return int(place - orderedWords.cbegin());
}

ClassificationExercise::MoveResult ClassificationExercise::move(const QString &word,
                                                                const QStringList &groupItems)
{
    // Every attempt counts, refused or not; the count only grows, so it stops at its top.
    if (m_scores.exampleAttempts < INT_MAX)
        ++m_scores.exampleAttempts;
    for (const QString &item : groupItems) {
        if (matches(item, word))
            return MoveResult::Refused;
    }
    return MoveResult::Moved;
}

int ClassificationExercise::count(int group, const QStringList &items)
{
    const QStringList &key = keyWords(group);
    int found = 0;
    for (const QString &item : items) {
        for (const QString &keyWord : key) {
            if (item.contains(keyWord))
                ++found;
        }
    }
    return found;
}

void ClassificationExercise::useKey(const GroupItems &key)
{
    m_loadedKey = key;
}

void ClassificationExercise::useStartingKey()
{
    m_loadedKey.reset();
}

const QStringList &ClassificationExercise::keyOf(int group) const
{
    Q_ASSERT(group >= 0 && group < groupCount);
    return m_loadedKey ? (*m_loadedKey)[std::size_t(group)] : keyWords(group);
}

bool ClassificationExercise::matches(const QString &item, const QString &keyWord) const
{
    return m_loadedKey ? item == keyWord : item.contains(keyWord);
}

int ClassificationExercise::hits(int group, const QStringList &items) const
{
    if (!m_loadedKey)
        return count(group, items);
    const QStringList &key = keyOf(group);
    return int(std::count_if(items.cbegin(), items.cend(), [&](const QString &item) { return key.contains(item); }));
}

int ClassificationExercise::size(int group) const
{
    return int(keyOf(group).size());
}

int ClassificationExercise::keyWordTotal() const
{
    int total = 0;
    for (int group = 0; group < groupCount; ++group)
        total += size(group);
    return total;
}

TColor ClassificationExercise::counterColor(int group, int count) const
{
    return count == size(group) ? Colors::clLime : Colors::clMaroon;
}

std::optional<int> ClassificationExercise::percent(int hits, int attempts)
{
    if (attempts <= 0)
        return std::nullopt;
    return NumberFormat::roundHalfEven(double(hits) * 100.0 / double(attempts));
}

QString ClassificationExercise::bannerText(int hits) const
{
    return hits == keyWordTotal() ? u"¡COMPLETADO!"_s : QString();
}

std::optional<SessionDetail::Miss> ClassificationExercise::missOf(const QString &word, int chosenGroup) const
{
    if (hits(chosenGroup, {word}) > 0)
        return std::nullopt;
    for (int group = 0; group < groupCount; ++group) {
        if (hits(group, {word}) > 0)
            return MissRule::withRule(SessionDetail::Exercise::Examples, word.trimmed(), groupName(chosenGroup),
                                      groupName(group), MissRule::ofGroup(group), WordExplanation::ofGroup(word));
    }
    return std::nullopt;
}

ClassificationExercise::Figures ClassificationExercise::recount(const GroupItems &groups)
{
    Figures figures;
    for (int group = 0; group < groupCount; ++group) {
        const int found = hits(group, groups[std::size_t(group)]);
        figures.counts[std::size_t(group)] = found;
        figures.colors[std::size_t(group)] = counterColor(group, found);
        figures.hits += found;
    }
    m_scores.exampleHits = figures.hits;
    figures.attempts = m_scores.exampleAttempts;
    figures.percent = percent(figures.hits, figures.attempts);
    figures.banner = bannerText(figures.hits);
    return figures;
}
