// Reading the word list of new boards.
#include "exercises/Lexicon.h"

#include "spanish/AccentVariants.h"
#include "spanish/SpellingDictionary.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;

QString Lexicon::resourcePath()
{
    return u":/exercises/lexico.tsv"_s;
}

Lexicon Lexicon::read(const QString &path, QStringList *problems)
{
    const auto report = [problems](const QString &text) {
        if (problems)
            problems->append(text);
    };
    Lexicon lexicon;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(u"No se puede leer la lista de palabras «%1»."_s.arg(path));
        return lexicon;
    }
    const QString fileName = QFileInfo(path).fileName();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QSet<QString> seen;
    lexicon.m_entries.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        bool rankRead = false;
        const int rank = fields.size() == 3 ? fields[1].toInt(&rankRead) : 0;
        if (!rankRead || rank < 1 || fields[0].isEmpty() || fields[0] != fields[0].toLower()
            || (fields[2] != u"sí" && fields[2] != u"no")) {
            report(u"«%1», línea %2: se espera «palabra, rango, sí o no» separados por tabuladores."_s
                       .arg(fileName)
                       .arg(i + 1));
            continue;
        }
        const std::optional<BoardRule> rule = BoardRules::of(fields[0]);
        if (!rule) {
            report(u"«%1», línea %2: no se sabe qué regla de acentuación practica «%3»."_s.arg(fileName).arg(i + 1).arg(fields[0]));
            continue;
        }
        if (seen.contains(fields[0])) {
            report(u"«%1», línea %2: «%3» ya estaba en la lista."_s.arg(fileName).arg(i + 1).arg(fields[0]));
            continue;
        }
        seen.insert(fields[0]);
        lexicon.m_entries.append({fields[0], rank, *rule, fields[2] == u"sí"});
    }
    return lexicon;
}

const Lexicon &Lexicon::shared()
{
    static const Lexicon lexicon = read(resourcePath());
    return lexicon;
}

bool Lexicon::isFair(QStringView word, const SpellingDictionary &dictionary)
{
    if (!dictionary.isWord(word))
        return false;
    const QString caption = AccentVariants::caption(word.toString());
    if (caption != word)
        return false; // the selector would not even show the word as it is written
    const QStringList real = dictionary.realVariants(word);
    for (const QString &variant : AccentVariants::variants(caption))
        if (variant != caption && real.contains(variant))
            return false;
    return true;
}

QString Lexicon::fileText(const QStringList &header, const QList<Entry> &entries)
{
    QString text;
    for (const QString &line : header)
        text += line.isEmpty() ? u"#\n"_s : u"# "_s + line + u'\n';
    for (const Entry &entry : entries)
        text += entry.word + u'\t' + QString::number(entry.rank) + u'\t' + (entry.fair ? u"sí"_s : u"no"_s) + u'\n';
    return text;
}
