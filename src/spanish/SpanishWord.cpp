// One Spanish word taken apart by the orthographic rules.
#include "spanish/SpanishWord.h"

#include <string_view>

using namespace Qt::StringLiterals;

namespace {

char16_t lowerCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return char16_t(c + (u'a' - u'A'));
    switch (c) {
    case u'Á': return u'á';
    case u'É': return u'é';
    case u'Í': return u'í';
    case u'Ó': return u'ó';
    case u'Ú': return u'ú';
    case u'Ü': return u'ü';
    case u'Ñ': return u'ñ';
    default: return c;
    }
}

bool isAccented(char16_t lower)
{
    return lower == u'á' || lower == u'é' || lower == u'í' || lower == u'ó' || lower == u'ú';
}

// The vowel letters, y aside (a y sounds as a vowel only where no vowel follows it).
bool isVowelCharacter(char16_t lower)
{
    switch (lower) {
    case u'a': case u'e': case u'i': case u'o': case u'u':
    case u'á': case u'é': case u'í': case u'ó': case u'ú': case u'ü':
        return true;
    default:
        return false;
    }
}

bool isSpanishLetter(char16_t lower)
{
    return (lower >= u'a' && lower <= u'z') || lower == u'ñ' || isVowelCharacter(lower);
}

// Two consonants that always begin a syllable together: pl, pr, bl, br, cl, cr, gl, gr, fl,
// fr, kl, kr, tl, tr, dr (tl kept together: a-tlas).
bool isInseparable(char16_t first, char16_t second)
{
    if (second == u'l')
        return first == u'p' || first == u'b' || first == u'c' || first == u'g' || first == u'f'
            || first == u'k' || first == u't';
    if (second == u'r')
        return first == u'p' || first == u'b' || first == u'c' || first == u'g' || first == u'f'
            || first == u'k' || first == u't' || first == u'd';
    return false;
}

// The stems after which sub- is a prefix that keeps its b: the l or r that follows belongs to the
// stem, and an r there sounds strong, as at the start of a word (sub-ra-yar as ra-ya). Each
// covers its family: sublevar, sublevación; sublingual; sublunar; subrayar, subrayado;
// subregión, subregional; subreino; subrepticio, subrepción; subrogar, subrogación.
// Not prefixed, so divided by the general rules: sublime, sublimar, sublimidad (Latin
// sublimis, one word already), subranquial and subrigadier (sub- joined to branquial and
// brigadier, whose br stays together), and subir, súbdito, suburbio, where no l or r follows.
constexpr std::u16string_view subStems[] = {
    u"lev", u"lingu", u"lun", u"ray", u"regi", u"rein", u"rep", u"rog",
};

} // namespace

SpanishWord::SpanishWord(QStringView word)
{
    if (!readLetters(word))
        return;
    assignRoles();
    findPrefix();
    findNuclei();
    if (m_syllableCount == 0) {
        m_problem = Problem::NoVowel;
        return;
    }
    divide();
    placeStress();
    listSequences();
}

bool SpanishWord::readLetters(QStringView word)
{
    if (word.isEmpty()) {
        m_problem = Problem::Empty;
        return false;
    }
    if (word.size() > maxLetters) {
        m_problem = Problem::TooLong;
        return false;
    }
    m_length = int(word.size());
    int accents = 0;
    for (int i = 0; i < m_length; ++i) {
        const char16_t c = word[i].unicode();
        const char16_t lower = lowerCase(c);
        if (!isSpanishLetter(lower)) {
            const bool pair = QChar::isHighSurrogate(c) && i + 1 < m_length && word[i + 1].isLowSurrogate();
            m_offending = word.mid(i, pair ? 2 : 1).toString();
            m_problem = QChar(c).isDigit() ? Problem::Digit : Problem::NotALetter;
            return false;
        }
        m_text[std::size_t(i)] = c;
        m_lower[std::size_t(i)] = lower;
        if (isAccented(lower)) {
            ++accents;
            m_accent = i;
        }
    }
    if (accents > 1) {
        m_problem = Problem::TwoAccents;
        return false;
    }
    return true;
}

void SpanishWord::assignRoles()
{
    for (int i = 0; i < m_length; ++i) {
        const char16_t c = m_lower[std::size_t(i)];
        const char16_t previous = i > 0 ? m_lower[std::size_t(i - 1)] : u'\0';
        const char16_t next = i + 1 < m_length ? m_lower[std::size_t(i + 1)] : u'\0';
        Role role = Role::Consonant;
        if (c == u'u' && (previous == u'q' || previous == u'g')
            && (next == u'e' || next == u'i' || next == u'é' || next == u'í'))
            role = Role::SilentU;
        else if (isVowelCharacter(c))
            role = Role::Vowel;
        else if (c == u'y')
            role = isVowelCharacter(next) ? Role::Consonant : Role::Vowel;
        else if (c == u'h' && previous != u'c')
            role = Role::Aitch;
        m_roles[std::size_t(i)] = role;
    }
}

bool SpanishWord::isVowelLetter(int at) const
{
    return m_roles[std::size_t(at)] == Role::Vowel;
}

bool SpanishWord::isFullVowel(int at) const
{
    if (at < 0 || m_roles[std::size_t(at)] != Role::Vowel)
        return false;
    return m_lower[std::size_t(at)] != u'y' || at == 0 || m_roles[std::size_t(at - 1)] != Role::Vowel;
}

void SpanishWord::findPrefix()
{
    if (m_length < 6 || m_lower[0] != u's' || m_lower[1] != u'u' || m_lower[2] != u'b')
        return;
    const QStringView lower = lowered();
    const QStringView rest = lower.mid(3);
    for (const std::u16string_view stem : subStems) {
        if (rest.startsWith(QStringView(stem.data(), qsizetype(stem.size())))) {
            m_prefixLength = 3;
            return;
        }
    }
}

SpanishWord::VowelClass SpanishWord::vowelClass(int at) const
{
    switch (m_lower[std::size_t(at)]) {
    case u'a': case u'e': case u'o': case u'á': case u'é': case u'ó':
        return VowelClass::Open;
    case u'í': case u'ú':
        return VowelClass::ClosedAccented;
    default:
        return VowelClass::Closed;
    }
}

char16_t SpanishWord::vowelBase(int at) const
{
    switch (m_lower[std::size_t(at)]) {
    case u'á': return u'a';
    case u'é': return u'e';
    case u'í': case u'y': return u'i';
    case u'ó': return u'o';
    case u'ú': case u'ü': return u'u';
    default: return m_lower[std::size_t(at)];
    }
}

void SpanishWord::findNuclei()
{
    // The vowels in order, and whether each is joined to the next in one nucleus.
    std::array<std::uint8_t, maxLetters> vowels{};
    std::array<bool, maxLetters> sameRun{};
    std::array<bool, maxLetters> joined{};
    int count = 0;
    int lastVowel = -1;
    bool onlyAitchSince = false;
    for (int i = 0; i < m_length; ++i) {
        const Role role = m_roles[std::size_t(i)];
        if (role == Role::Vowel) {
            if (count > 0)
                sameRun[std::size_t(count - 1)] = lastVowel >= 0 && onlyAitchSince;
            vowels[std::size_t(count++)] = std::uint8_t(i);
            lastVowel = i;
            onlyAitchSince = true;
        } else if (role != Role::Aitch) {
            onlyAitchSince = false;
        }
    }

    // Pairs first: an open vowel with an unstressed closed one, or two different closed
    // vowels, make a diphthong (an h between them does not matter: prohi-bir). Two closed
    // vowels stay a diphthong wherever the accent falls (construí, flúido, mañíu); two
    // identical vowels are always a hiatus (chi-i-ta, chi-í). Two open vowels, or a closed
    // vowel carrying the accent beside an open one, are a hiatus.
    for (int k = 0; k + 1 < count; ++k) {
        if (!sameRun[std::size_t(k)])
            continue;
        const int x = vowels[std::size_t(k)];
        const int y = vowels[std::size_t(k + 1)];
        const VowelClass cx = vowelClass(x);
        const VowelClass cy = vowelClass(y);
        bool join = false;
        if (cx != VowelClass::Open && cy != VowelClass::Open)
            join = vowelBase(x) != vowelBase(y);
        else if (cx == VowelClass::Open)
            join = cy == VowelClass::Closed;
        else
            join = cx == VowelClass::Closed;
        joined[std::size_t(k)] = join;
    }
    // Then threes: only closed + open + closed is a triphthong. Where two pairs compete for a
    // closed vowel, an h between vowels is where the syllable breaks (ca-ca-hue-te, re-huir,
    // coi-hue); without one, a closed vowel between two open ones goes with the second and
    // two closed ones after an open vowel stay together.
    for (int k = 0; k + 2 < count; ++k) {
        if (!joined[std::size_t(k)] || !joined[std::size_t(k + 1)])
            continue;
        const int first = vowels[std::size_t(k)];
        const int middle = vowels[std::size_t(k + 1)];
        const int third = vowels[std::size_t(k + 2)];
        if (vowelClass(middle) == VowelClass::Open)
            continue;
        const bool aitchBefore = middle - first > 1;
        const bool aitchAfter = third - middle > 1;
        if (aitchBefore != aitchAfter)
            joined[std::size_t(aitchBefore ? k : k + 1)] = false;
        else if (vowelClass(first) == VowelClass::Open)
            joined[std::size_t(k)] = false;
        else
            joined[std::size_t(k + 1)] = false;
    }

    m_syllableCount = 0;
    for (int k = 0; k < count; ++k) {
        const std::uint8_t at = vowels[std::size_t(k)];
        if (k > 0 && joined[std::size_t(k - 1)]) {
            Nucleus &nucleus = m_nuclei[std::size_t(m_syllableCount - 1)];
            nucleus.last = at;
            ++nucleus.vowels;
        } else {
            m_nuclei[std::size_t(m_syllableCount++)] = {at, at, 1, k > 0 && sameRun[std::size_t(k - 1)]};
        }
    }
}

void SpanishWord::divide()
{
    m_syllableStart[0] = 0;
    for (int s = 1; s < m_syllableCount; ++s) {
        const int from = m_nuclei[std::size_t(s - 1)].last + 1;
        const int to = m_nuclei[std::size_t(s)].first;
        // The consonants between two nuclei as sounds: ch, ll, rr, and qu, gu before e or i,
        // are one each.
        std::array<std::uint8_t, maxLetters> units{};
        std::array<std::uint8_t, maxLetters> unitLength{};
        int unitCount = 0;
        for (int i = from; i < to; ++i) {
            const char16_t c = m_lower[std::size_t(i)];
            if (unitCount > 0 && unitLength[std::size_t(unitCount - 1)] == 1) {
                const char16_t previous = m_lower[std::size_t(i - 1)];
                if (m_roles[std::size_t(i)] == Role::SilentU || (previous == u'c' && c == u'h')
                    || (previous == u'l' && c == u'l') || (previous == u'r' && c == u'r')) {
                    ++unitLength[std::size_t(unitCount - 1)];
                    continue;
                }
            }
            units[std::size_t(unitCount)] = std::uint8_t(i);
            unitLength[std::size_t(unitCount)] = 1;
            ++unitCount;
        }
        int start = to;
        if (m_prefixLength > from && m_prefixLength < to) {
            start = m_prefixLength;
        } else if (unitCount == 1) {
            start = units[0];
        } else if (unitCount >= 2) {
            const int a = units[std::size_t(unitCount - 2)];
            const int b = units[std::size_t(unitCount - 1)];
            const bool together = unitLength[std::size_t(unitCount - 2)] == 1
                && unitLength[std::size_t(unitCount - 1)] == 1
                && isInseparable(m_lower[std::size_t(a)], m_lower[std::size_t(b)]);
            start = together ? a : b;
        }
        m_syllableStart[std::size_t(s)] = std::uint8_t(start);
    }
}

int SpanishWord::syllableEnd(int syllable) const
{
    return syllable + 1 < m_syllableCount ? m_syllableStart[std::size_t(syllable + 1)] : m_length;
}

int SpanishWord::nucleusOf(int letter) const
{
    for (int s = 0; s < m_syllableCount; ++s) {
        if (letter <= m_nuclei[std::size_t(s)].last)
            return s;
    }
    return m_syllableCount - 1;
}

void SpanishWord::placeStress()
{
    if (m_accent >= 0) {
        m_stressedSyllable = nucleusOf(m_accent);
        m_stressedVowel = m_accent;
        // An accented i or u next to an open vowel of another syllable: the accent marks the
        // hiatus (pa-ís, re-ú-ne, a-güí-o). Beside the same closed vowel (chi-í) the hiatus
        // needs no mark, and the general rules decide.
        const int s = m_stressedSyllable;
        const Nucleus &nucleus = m_nuclei[std::size_t(s)];
        const bool openBefore = nucleus.joinsPrevious && nucleus.first == m_accent
            && vowelClass(m_nuclei[std::size_t(s - 1)].last) == VowelClass::Open;
        const bool openAfter = s + 1 < m_syllableCount && m_nuclei[std::size_t(s + 1)].joinsPrevious
            && nucleus.last == m_accent && vowelClass(m_nuclei[std::size_t(s + 1)].first) == VowelClass::Open;
        m_accentHiatus = vowelClass(m_accent) == VowelClass::ClosedAccented && (openBefore || openAfter);
    } else {
        // Without a written accent: llana when the word ends in a vowel, or in -n or -s after
        // a vowel; aguda otherwise (a final y after a vowel counts as a consonant: estoy).
        const int last = m_length - 1;
        const char16_t end = m_lower[std::size_t(last)];
        const bool llana = m_syllableCount >= 2
            && (isFullVowel(last) || ((end == u'n' || end == u's') && isFullVowel(last - 1)));
        m_stressedSyllable = m_syllableCount - (llana ? 2 : 1);
        // In a diphthong or triphthong the open vowel carries the stress; of two closed ones,
        // the second, unless it is a final y, which is always the glide (muy).
        const Nucleus &nucleus = m_nuclei[std::size_t(m_stressedSyllable)];
        m_stressedVowel = -1;
        for (int i = nucleus.first; i <= nucleus.last; ++i) {
            if (m_roles[std::size_t(i)] != Role::Vowel)
                continue;
            if (vowelClass(i) == VowelClass::Open) {
                m_stressedVowel = i;
                break;
            }
            if (m_stressedVowel < 0 || m_lower[std::size_t(i)] != u'y')
                m_stressedVowel = i;
        }
    }

    int position = stressFromEnd();
    // An accented adjective keeps its accent before -mente (fácil-mente): the adverb is
    // classed by the adjective, whose last syllable comes just before "men".
    static constexpr char16_t mente[] = u"mente";
    if (m_accent >= 0 && m_length > 5 && m_accent < m_length - 5
        && lowered().endsWith(QStringView(mente, 5)) && m_syllableCount > 2) {
        m_menteStem = m_length - 5;
        position -= 2;
        if (m_syllableCount - 2 == 1) {
            m_class = StressClass::Monosilaba;
            return;
        }
    }
    if (m_syllableCount == 1)
        m_class = StressClass::Monosilaba;
    else if (position == 1)
        m_class = StressClass::Aguda;
    else if (position == 2)
        m_class = StressClass::Llana;
    else if (position == 3)
        m_class = StressClass::Esdrujula;
    else
        m_class = StressClass::Sobresdrujula;
}

void SpanishWord::listSequences()
{
    m_sequenceCount = 0;
    for (int s = 0; s < m_syllableCount; ++s) {
        const Nucleus &nucleus = m_nuclei[std::size_t(s)];
        if (nucleus.joinsPrevious)
            m_sequences[std::size_t(m_sequenceCount++)] = {SequenceKind::Hiato,
                                                          m_nuclei[std::size_t(s - 1)].last, nucleus.first};
        if (nucleus.vowels >= 2)
            m_sequences[std::size_t(m_sequenceCount++)] = {
                nucleus.vowels == 2 ? SequenceKind::Diptongo : SequenceKind::Triptongo,
                nucleus.first, nucleus.last};
    }
}

QString SpanishWord::syllables(QChar separator) const
{
    QString text;
    text.reserve(m_length + m_syllableCount);
    for (int s = 0; s < m_syllableCount; ++s) {
        if (s > 0)
            text += separator;
        text += QStringView(m_text.data() + syllableStart(s), syllableEnd(s) - syllableStart(s));
    }
    return text;
}

QString SpanishWord::sequenceText(int at) const
{
    const VowelSequence sequence = m_sequences[std::size_t(at)];
    if (sequence.kind == SequenceKind::Hiato)
        return u"hiato "_s + QChar(m_text[sequence.first]) + u'-' + QChar(m_text[sequence.last]);
    QString text = sequence.kind == SequenceKind::Diptongo ? u"diptongo "_s : u"triptongo "_s;
    for (int i = sequence.first; i <= sequence.last; ++i) {
        if (m_roles[std::size_t(i)] == Role::Vowel)
            text += QChar(m_text[std::size_t(i)]);
    }
    return text;
}

QString SpanishWord::className(StressClass stressClass)
{
    switch (stressClass) {
    case StressClass::Monosilaba: return u"monosílaba"_s;
    case StressClass::Aguda: return u"aguda"_s;
    case StressClass::Llana: return u"llana"_s;
    case StressClass::Esdrujula: return u"esdrújula"_s;
    case StressClass::Sobresdrujula: return u"sobresdrújula"_s;
    }
    return QString();
}

QString SpanishWord::problemText() const
{
    switch (m_problem) {
    case Problem::None:
        return QString();
    case Problem::Empty:
        return u"La palabra está vacía."_s;
    case Problem::TooLong:
        return u"La palabra es demasiado larga: tiene más de %1 letras."_s.arg(maxLetters);
    case Problem::Digit:
        return u"La palabra contiene la cifra «%1»: escríbela con letras."_s.arg(m_offending);
    case Problem::NotALetter:
        return u"La palabra contiene «%1», que no es una letra del español."_s.arg(m_offending);
    case Problem::NoVowel:
        return u"La palabra no tiene ninguna vocal: no se puede dividir en sílabas."_s;
    case Problem::TwoAccents:
        return u"La palabra tiene dos tildes: una palabra lleva como mucho una."_s;
    }
    return QString();
}
