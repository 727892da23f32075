// Derives the lexicon of new boards from Spanish text: counts the words, keeps the common ones
// the spelling check accepts and the engine gives a rule, and judges each one's fairness.
// Run by scripts/lexicon/make-lexicon.sh; the program itself never reads the source text.
#include "exercises/BoardRule.h"
#include "exercises/Lexicon.h"
#include "spanish/SpellingDictionary.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Count {
    int total = 0;
    int lowerCase = 0;  // written with a small first letter: not only a name
    int beforeStop = 0; // followed by a full stop, as abbreviations are
    bool digits = false;
};

// Words shorter than three letters are too short for a board, but for the diacritical pairs.
bool shortButKept(const QString &word)
{
    static const QStringList kept = {u"tú"_s, u"tu"_s, u"él"_s, u"el"_s, u"mí"_s, u"mi"_s, u"sí"_s, u"si"_s,
                                     u"té"_s, u"te"_s, u"dé"_s, u"de"_s, u"sé"_s, u"se"_s};
    return kept.contains(word);
}

// Letters and spellings Spanish words rarely have: k, w, English digraphs, doubled consonants
// other than cc, ll, nn, rr, and endings in a consonant Spanish words do not end in.
bool looksForeign(const QString &word)
{
    for (QChar letter : word)
        if (!QStringView(u"abcdefghijklmnñopqrstuvxyzáéíóúü").contains(letter))
            return true;
    for (const char16_t *pair : {u"sh", u"th", u"ph", u"ck", u"tz", u"bb", u"dd", u"ff", u"gg", u"mm", u"pp", u"ss", u"tt", u"zz"})
        if (word.contains(QStringView(pair)))
            return true;
    return !QStringView(u"aeiouáéíóúdjlnrsxyz").contains(word.back());
}

// Words the sayings and graffiti of the source use that have no place in a classroom's board:
// vulgar words, insults, sex, drunkenness and suicide, reviewed by hand over the fair words.
bool rude(const QString &word)
{
    static const QStringList words = {
        u"adulterar"_s, u"adulterio"_s, u"alcohólicas"_s, u"alcohólico"_s, u"asesinarse"_s,
        u"asquerosa"_s, u"asqueroso"_s, u"borrachera"_s, u"borracho"_s, u"borrachos"_s,
        u"braga"_s, u"bragas"_s, u"braguero"_s, u"cabronadas"_s, u"cabrón"_s, u"caga"_s, u"cagad"_s, u"cagado"_s, u"cagan"_s,
        u"cagando"_s, u"cagar"_s, u"cagaste"_s, u"cago"_s, u"cagón"_s, u"carajo"_s, u"chupetón"_s,
        u"concha"_s, u"cornudo"_s, u"coño"_s, u"culo"_s, u"culos"_s, u"desnudan"_s, u"desnudarse"_s,
        u"desnudos"_s, u"erección"_s, u"estupidez"_s, u"estúpida"_s, u"estúpidas"_s, u"estúpido"_s,
        u"estúpidos"_s, u"gilipollas"_s, u"gilipolleces"_s, u"hostias"_s, u"idiota"_s, u"idiotas"_s,
        u"idioteces"_s, u"imbécil"_s, u"imbéciles"_s, u"joda"_s, u"joder"_s, u"jodida"_s,
        u"jodidas"_s, u"jodido"_s, u"jodiendo"_s, u"mamar"_s, u"mamones"_s, u"marica"_s,
        u"masturbación"_s, u"matarlos"_s, u"matarme"_s, u"matarte"_s, u"mea"_s, u"meaba"_s,
        u"meado"_s, u"mean"_s, u"mear"_s, u"mierda"_s, u"mongol"_s, u"nalgas"_s, u"obscenas"_s,
        u"orgasmo"_s, u"orgasmos"_s, u"orina"_s, u"pedo"_s, u"pedos"_s, u"pendejos"_s, u"penetra"_s,
        u"penetración"_s, u"penetrar"_s, u"perra"_s, u"pezón"_s, u"pijota"_s, u"polla"_s,
        u"prostitución"_s, u"prostituta"_s, u"puta"_s, u"putas"_s, u"puto"_s, u"ramera"_s,
        u"retrasados"_s, u"sexual"_s, u"sexuales"_s, u"sexualidad"_s, u"suicidarse"_s,
        u"suicidio"_s, u"testículos"_s, u"teta"_s, u"tetas"_s, u"viciosa"_s, u"viola"_s,
        u"violación"_s, u"zorra"_s, u"zorras"_s, u"zorrera"_s
    };
    return words.contains(word);
}

void print(const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    int limit = std::numeric_limits<int>::max();
    int minimumCount = 1;
    while (arguments.size() >= 2 && arguments[0].startsWith(u"--")) {
        if (arguments[0] == u"--palabras")
            limit = arguments[1].toInt();
        else if (arguments[0] == u"--minimo")
            minimumCount = arguments[1].toInt();
        else
            break;
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty() || limit < 1) {
        print(u"uso: tildora_makelexicon [--palabras N] [--minimo VECES] TEXTO... > lexico.tsv"_s);
        return 2;
    }
    const SpellingDictionary &dictionary = SpellingDictionary::shared();
    if (!dictionary.isAvailable()) {
        print(dictionary.unavailableText());
        return 1;
    }

    QHash<QString, Count> counts;
    for (const QString &path : arguments) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            print(u"No se puede leer «%1»."_s.arg(path));
            return 1;
        }
        const QString text = QString::fromUtf8(file.readAll()).normalized(QString::NormalizationForm_C);
        for (qsizetype at = 0; at < text.size();) {
            if (!text[at].isLetterOrNumber()) {
                ++at;
                continue;
            }
            const qsizetype start = at;
            bool digits = false;
            for (; at < text.size() && text[at].isLetterOrNumber(); ++at)
                digits = digits || text[at].isDigit();
            const QString token = text.mid(start, at - start);
            Count &count = counts[token.toLower()];
            ++count.total;
            count.lowerCase += token[0].isLower();
            count.beforeStop += at < text.size() && text[at] == u'.';
            count.digits = count.digits || digits;
        }
    }

    struct Candidate {
        QString word;
        int total;
    };
    QList<Candidate> candidates;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QString &word = it.key();
        const Count &count = it.value();
        // Seen only capitalised, a name; mostly before a full stop and short, an abbreviation.
        // A misprint seen once is no word for the spelling check below.
        if (count.total < minimumCount || count.lowerCase == 0 || count.digits)
            continue;
        if (word.size() <= 4 && count.beforeStop * 2 > count.total)
            continue;
        if ((word.size() < 3 && !shortButKept(word)) || word.size() > 12 || looksForeign(word) || rude(word))
            continue;
        // The spelling check turns away forms older than 2010 as well as misspellings.
        if (!dictionary.isWord(word) || !BoardRules::of(word))
            continue;
        candidates.append({word, count.total});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return a.total != b.total ? a.total > b.total : a.word < b.word;
    });
    // Cut where the counts change, so that no word is kept over one as frequent for its letters.
    if (candidates.size() > limit) {
        qsizetype keep = limit;
        while (keep > 0 && candidates[keep - 1].total == candidates[limit].total)
            --keep;
        candidates.resize(keep);
    }

    QList<Lexicon::Entry> entries;
    int fair = 0;
    for (const Candidate &candidate : candidates) {
        const bool isFair = Lexicon::isFair(candidate.word, dictionary);
        fair += isFair;
        entries.append({candidate.word, int(entries.size()) + 1, *BoardRules::of(candidate.word), isFair});
    }
    const QStringList header = {
        u"Palabras frecuentes de los tableros nuevos: la palabra, su puesto por frecuencia (1 la más"_s,
        u"frecuente) y si es justa en un tablero («sí»: de las variantes de su selector, solo ella es"_s,
        u"palabra). Separadas por tabuladores. No se edita a mano: lo escribe scripts/lexicon/make-lexicon.sh."_s,
        QString(),
        u"Fuente de las frecuencias: los textos del paquete de Debian fortunes-es (frases, refranes y"_s,
        u"citas; GPL-2+, los textos se tienen por de dominio público), sin su sección «off»."_s,
        u"Comprobación ortográfica: hunspell-es (MPL-2.0), wspanish (dominio público) y la lista revisada"_s,
        u"ortografia-2010.tsv del programa. Se quitan los nombres propios (solo vistos con mayúscula), las"_s,
        u"abreviaturas, las palabras con cifras, las de menos de tres letras (salvo los monosílabos"_s,
        u"diacríticos), las de más de doce, las de aspecto extranjero y las malsonantes."_s,
    };
    std::fputs(Lexicon::fileText(header, entries).toUtf8().constData(), stdout);
    print(u"%1 palabras, %2 justas."_s.arg(entries.size()).arg(fair));
    return 0;
}
