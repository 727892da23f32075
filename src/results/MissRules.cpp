#include "results/MissRules.h"

#include <array>

namespace {

struct Rule {
    const char *key;
    const char *name;
};

// The accent rules first (the board and the phrases), then the classification's groups, then
// the questions' pairs: the order a results page lists them in when counts tie.
constexpr std::array rules{
    Rule{"aguda-vocal", "aguda terminada en vocal"},
    Rule{"aguda-n", "aguda terminada en -n"},
    Rule{"aguda-s", "aguda terminada en -s"},
    Rule{"aguda-sin-tilde", "aguda terminada en consonante (salvo -n y -s) o en -y"},
    Rule{"llana-sin-tilde", "llana terminada en vocal, -n o -s"},
    Rule{"llana-con-tilde", "llana terminada en consonante (salvo -n y -s) o en -y"},
    Rule{"esdrujula", "esdrújula o sobresdrújula"},
    Rule{"hiato", "hiato con vocal cerrada tónica"},
    Rule{"monosilabo", "monosílabo sin tilde"},
    Rule{"diacritico", "tilde diacrítica (tú / tu, él / el, más / mas…)"},
    Rule{"interrogativo", "interrogativo o exclamativo (qué, cómo, dónde…)"},
    Rule{"aun", "aún / aun"},
    Rule{"solo-demostrativo", "solo y los demostrativos, sin tilde"},
    Rule{"adverbio-mente", "adverbio en -mente"},
    Rule{"grupo-aguda", "reconocer las agudas"},
    Rule{"grupo-llana", "reconocer las llanas"},
    Rule{"grupo-esdrujula", "reconocer las esdrújulas"},
    Rule{"grupo-diptongo", "reconocer los diptongos"},
    Rule{"grupo-hiato", "reconocer los hiatos"},
    Rule{"grupo-triptongo", "reconocer los triptongos"},
    Rule{"porque", "porque / por qué / porqué / por que"},
    Rule{"sino", "sino / si no"},
    Rule{"hecho", "hecho / echo"},
    Rule{"ha", "a / ha"},
    Rule{"haber", "a ver / haber"},
};

} // namespace

namespace MissRules {

QStringList keys()
{
    QStringList all;
    all.reserve(qsizetype(rules.size()));
    for (const Rule &rule : rules)
        all << QString::fromLatin1(rule.key);
    return all;
}

int order(QStringView key)
{
    for (std::size_t index = 0; index < rules.size(); ++index)
        if (key == QLatin1StringView(rules[index].key))
            return int(index);
    return int(rules.size());
}

QString name(QStringView key)
{
    const int index = order(key);
    return index < int(rules.size()) ? QString::fromUtf8(rules[std::size_t(index)].name) : QString();
}

QString shownName(QStringView key, const QString &nameInFile)
{
    const QString known = name(key);
    if (!known.isEmpty())
        return known;
    return nameInFile.isEmpty() ? key.toString() : nameInFile;
}

} // namespace MissRules
