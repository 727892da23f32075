// Whether a word is a real Spanish word as written.
#include "spanish/SpellingDictionary.h"

#include "spanish/AccentVariants.h"
#include "shared/Accents.h"
#include "spanish/SpanishWord.h"
#include "spanish/TildeRule.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell/hunspell.h>

#include <algorithm>

using namespace Qt::StringLiterals;

struct SpellingDictionary::Hunspell {
    Hunhandle *handle = nullptr;
    ~Hunspell()
    {
        if (handle)
            Hunspell_destroy(handle);
    }
};

namespace {

// The form given the letter case of the word it varies: the variants differ from it only in
// accents, letter for letter.
QString inCaseOf(const QString &form, QStringView word)
{
    if (form.size() != word.size())
        return form;
    QString cased = form;
    for (qsizetype i = 0; i < cased.size(); ++i) {
        if (word[i].isUpper())
            cased[i] = cased[i].toUpper();
    }
    return cased;
}

} // namespace

SpellingDictionary::Sources SpellingDictionary::systemSources()
{
    return {u"/usr/share/hunspell/es_ES.aff"_s, u"/usr/share/hunspell/es_ES.dic"_s, u"/usr/share/dict/spanish"_s,
            correctionsResource()};
}

QString SpellingDictionary::correctionsResource()
{
    return u":/spanish/ortografia-2010.tsv"_s;
}

QList<SpellingDictionary::Correction> SpellingDictionary::readCorrections(const QString &path, QStringList *problems)
{
    QList<Correction> corrections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (problems)
            *problems << u"No se puede leer la lista de correcciones «%1»."_s.arg(path);
        return corrections;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        const bool wellFormed = fields.size() == 3 && !fields[0].isEmpty() && fields[0] == fields[0].toLower()
            && (fields[1] == u"sí" || fields[1] == u"no") && !fields[2].trimmed().isEmpty();
        if (!wellFormed) {
            if (problems)
                *problems << u"«%1», línea %2: se espera «forma, sí o no, motivo» separados por tabuladores."_s
                                 .arg(QFileInfo(path).fileName())
                                 .arg(i + 1);
            continue;
        }
        corrections.append({fields[0], fields[1] == u"sí", fields[2].trimmed()});
    }
    return corrections;
}

SpellingDictionary::SpellingDictionary(const Sources &sources) : m_hunspell(std::make_unique<Hunspell>())
{
    for (const Correction &correction : readCorrections(sources.correctionsFile))
        m_reviewed.insert(correction.form, correction.isWord);

    for (const QString &file : {sources.affixFile, sources.dictionaryFile}) {
        if (!QFileInfo(file).isReadable()) {
            m_unavailableText = u"La comprobación de la ortografía no está disponible: falta el diccionario "
                                "«%1» (paquete hunspell-es)."_s.arg(file);
            return;
        }
    }
    m_hunspell->handle = Hunspell_create(QFile::encodeName(sources.affixFile).constData(),
                                         QFile::encodeName(sources.dictionaryFile).constData());
    // A dictionary that does not know "casa" is not a Spanish one, or was not read.
    if (!m_hunspell->handle || Hunspell_spell(m_hunspell->handle, "casa") == 0) {
        m_unavailableText = u"La comprobación de la ortografía no está disponible: no se puede leer el diccionario "
                            "«%1»."_s.arg(sources.dictionaryFile);
        return;
    }
    m_available = true;

    QFile wordList(sources.wordListFile);
    if (wordList.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(wordList.readAll());
        const QList<QStringView> words = QStringView(text).split(u'\n', Qt::SkipEmptyParts);
        m_wordList.reserve(words.size());
        for (QStringView word : words)
            m_wordList.insert(word.trimmed().toString().toLower());
    }
}

SpellingDictionary::~SpellingDictionary() = default;

const SpellingDictionary &SpellingDictionary::shared()
{
    static const SpellingDictionary dictionary(systemSources());
    return dictionary;
}

bool SpellingDictionary::hunspellKnows(QStringView word) const
{
    return Hunspell_spell(m_hunspell->handle, word.toUtf8().constData()) != 0;
}

SpellingDictionary::Source SpellingDictionary::sourceOf(const QString &lower, QStringView asWritten) const
{
    if (const auto reviewed = m_reviewed.constFind(lower); reviewed != m_reviewed.cend())
        return *reviewed ? Source::Reviewed : Source::None;
    if (m_wordList.contains(lower))
        return Source::WordListOnly; // hunspell is asked later, only when forms compete
    // hunspell knows capitals by itself ("París", "ÁRBOL"); a word in an odd case is asked in
    // lower case too.
    const bool inDictionary = hunspellKnows(asWritten) || (asWritten != lower && hunspellKnows(lower));
    return inDictionary ? Source::DictionaryOnly : Source::None;
}

bool SpellingDictionary::isWord(QStringView word) const
{
    if (!m_available || word.isEmpty())
        return false;
    const QString lower = word.toString().toLower();
    if (const auto reviewed = m_reviewed.constFind(lower); reviewed != m_reviewed.cend())
        return *reviewed;
    // The word list answers from memory; hunspell is asked only about what it lacks.
    return m_wordList.contains(lower) || hunspellKnows(word) || (word != lower && hunspellKnows(lower));
}

// The voseo imperatives of -ar and -er verbs ("casá", "comé") are real words that no student
// of this program means: the infinitive without its r, the vowel accented, a form the word
// list lacks. Those of -ir verbs ("viví") are also the first person of the preterite, and
// "está" is also the present of estar: both are offered.
bool SpellingDictionary::isVoseoImperative(const QString &lower) const
{
    if (lower.size() < 3 || lower == u"está")
        return false;
    const QChar plain = Accents::plainVowel(lower.back());
    if (plain.isNull() || !u"ae"_s.contains(plain) || m_wordList.contains(lower))
        return false;
    return m_wordList.contains(lower.chopped(1) + plain + u'r');
}

QStringList SpellingDictionary::realVariants(QStringView word, bool knownToDictionary) const
{
    if (!m_available || word.isEmpty())
        return {};
    const QString lower = word.toString().toLower();
    struct Found {
        QString form;
        Source source;
    };
    QList<Found> found;
    for (const QString &variant : AccentVariants::variants(lower)) {
        if (variant == lower)
            continue;
        // A tilde the rules forbid (or one they demand and the form lacks) makes no real word,
        // whatever a dictionary holds: such forms are neither asked about nor offered.
        const SpanishWord analysis(variant);
        if (!analysis.isValid() || !TildeRule(analysis).spellingAgrees())
            continue;
        const QString cased = inCaseOf(variant, word);
        const Source source = sourceOf(variant, cased);
        if (source != Source::None && !isVoseoImperative(variant))
            found.append({cased, source});
    }
    // Reviewed and both-source forms first, then hunspell's, then the word list's; among equals,
    // the order of the variants. Whether hunspell also knows a form of the word list matters
    // only when forms compete.
    if (found.size() > 1 || knownToDictionary) {
        for (Found &entry : found) {
            if (entry.source == Source::WordListOnly
                && (hunspellKnows(entry.form) || hunspellKnows(entry.form.toLower())))
                entry.source = Source::Both;
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        const auto rank = [](Source source) { return source == Source::Reviewed ? Source::Both : source; };
        return rank(a.source) < rank(b.source);
    });
    QStringList forms;
    for (const Found &entry : std::as_const(found)) {
        if (!knownToDictionary || entry.source != Source::WordListOnly)
            forms << entry.form;
    }
    return forms;
}
