// A second division into syllables, to hold the engine against.
#include "ReferenceSyllables.h"

#include <vector>

namespace ReferenceSyllables {

namespace {

enum class Sound { Consonant, Aitch, Open, Closed, StressedClosed };

// One sound of the word: a letter, or two letters that sound as one (ch, ll, rr, and the qu, gu
// of que, qui, gue, gui).
struct Unit {
    int begin;
    int end;
    Sound sound;
    char16_t base; // the vowel without its accent, for telling two identical vowels
};

bool isVowel(Sound sound)
{
    return sound == Sound::Open || sound == Sound::Closed || sound == Sound::StressedClosed;
}

bool isVowelLetter(char16_t c)
{
    return QStringView(u"aeiouáéíóúü").contains(QChar(c));
}

bool isFrontVowel(char16_t c)
{
    return c == u'e' || c == u'i' || c == u'é' || c == u'í';
}

// The vowel letters by sound: a, e, o open; i, u (and ü, and y standing alone) closed; í, ú
// closed and stressed, which sound apart from an open vowel.
bool readVowel(char16_t c, Sound *sound, char16_t *base)
{
    switch (c) {
    case u'a': case u'á': *sound = Sound::Open; *base = u'a'; return true;
    case u'e': case u'é': *sound = Sound::Open; *base = u'e'; return true;
    case u'o': case u'ó': *sound = Sound::Open; *base = u'o'; return true;
    case u'i': *sound = Sound::Closed; *base = u'i'; return true;
    case u'u': case u'ü': *sound = Sound::Closed; *base = u'u'; return true;
    case u'í': *sound = Sound::StressedClosed; *base = u'i'; return true;
    case u'ú': *sound = Sound::StressedClosed; *base = u'u'; return true;
    default: return false;
    }
}

bool readUnits(const QString &lower, std::vector<Unit> *units)
{
    const int n = int(lower.size());
    for (int i = 0; i < n;) {
        const char16_t c = lower[i].unicode();
        const char16_t next = i + 1 < n ? lower[i + 1].unicode() : u'\0';
        const char16_t after = i + 2 < n ? lower[i + 2].unicode() : u'\0';
        Sound sound = Sound::Consonant;
        char16_t base = c;
        if ((c == u'c' && next == u'h') || (c == u'l' && next == u'l') || (c == u'r' && next == u'r')
            || ((c == u'q' || c == u'g') && next == u'u' && isFrontVowel(after))) {
            units->push_back({i, i + 2, Sound::Consonant, c});
            i += 2;
            continue;
        }
        if (readVowel(c, &sound, &base)) {
        } else if (c == u'y') {
            if (!isVowelLetter(next)) {
                sound = Sound::Closed;
                base = u'i';
            }
        } else if (c == u'h') {
            sound = Sound::Aitch;
        } else if (!((c >= u'a' && c <= u'z') || c == u'ñ')) {
            return false;
        }
        units->push_back({i, i + 1, sound, base});
        ++i;
    }
    return true;
}

// Whether the vowels can share one syllable: one vowel; an open vowel with an unstressed
// closed one; two different closed vowels; an unstressed closed, an open and an unstressed
// closed vowel.
bool oneSyllable(const std::vector<Unit> &units, const std::vector<int> &vowels, std::size_t from, std::size_t to)
{
    const std::size_t count = to - from;
    if (count == 1)
        return true;
    const auto sound = [&](std::size_t k) { return units[std::size_t(vowels[k])].sound; };
    const auto base = [&](std::size_t k) { return units[std::size_t(vowels[k])].base; };
    if (count == 2) {
        const Sound a = sound(from);
        const Sound b = sound(from + 1);
        if (a != Sound::Open && b != Sound::Open)
            return base(from) != base(from + 1);
        return (a == Sound::Open) != (b == Sound::Open) && (a == Sound::Closed || b == Sound::Closed);
    }
    return count == 3 && sound(from) == Sound::Closed && sound(from + 1) == Sound::Open
        && sound(from + 2) == Sound::Closed;
}

// Cuts the vowels [from, to) of one run into syllables, adding the index where each syllable
// after the first starts.
void cutRun(const std::vector<Unit> &units, const std::vector<int> &vowels, std::size_t from, std::size_t to,
            std::vector<std::size_t> *cuts)
{
    if (oneSyllable(units, vowels, from, to))
        return;
    std::size_t cut = 0;
    // Two vowels that cannot share a syllable are a hiatus.
    for (std::size_t k = from + 1; k < to && cut == 0; ++k) {
        if (!oneSyllable(units, vowels, k - 1, k + 1))
            cut = k;
    }
    // Too many vowels for one syllable: an h between them is where it breaks; a closed vowel
    // between two open ones begins the second syllable; otherwise the first syllable takes all
    // it can.
    for (std::size_t k = from + 1; k < to && cut == 0; ++k) {
        if (vowels[k] - vowels[k - 1] > 1)
            cut = k;
    }
    for (std::size_t k = from + 1; k + 1 < to && cut == 0; ++k) {
        if (units[std::size_t(vowels[k - 1])].sound == Sound::Open && units[std::size_t(vowels[k])].sound == Sound::Closed
            && units[std::size_t(vowels[k + 1])].sound == Sound::Open)
            cut = k;
    }
    for (std::size_t k = to - 1; k > from && cut == 0; --k) {
        if (oneSyllable(units, vowels, from, k))
            cut = k;
    }
    cutRun(units, vowels, from, cut, cuts);
    cuts->push_back(cut);
    cutRun(units, vowels, cut, to, cuts);
}

bool inseparable(const QString &lower, const Unit &first, const Unit &second)
{
    if (first.end - first.begin != 1 || second.end - second.begin != 1)
        return false;
    const char16_t a = lower[first.begin].unicode();
    const char16_t b = lower[second.begin].unicode();
    if (b == u'l')
        return QStringView(u"pbcgfkt").contains(QChar(a));
    if (b == u'r')
        return QStringView(u"pbcgfktd").contains(QChar(a));
    return false;
}

} // namespace

QString divide(QStringView word)
{
    const QString lower = word.toString().toLower();
    std::vector<Unit> units;
    if (lower.isEmpty() || !readUnits(lower, &units))
        return QString();

    // The vowels, and the first vowel of every syllable among them.
    std::vector<int> vowels;
    for (int i = 0; i < int(units.size()); ++i) {
        if (isVowel(units[std::size_t(i)].sound))
            vowels.push_back(i);
    }
    if (vowels.empty())
        return QString();
    std::vector<std::size_t> starts{0};
    std::size_t runStart = 0;
    for (std::size_t k = 1; k <= vowels.size(); ++k) {
        // A run: vowels with nothing or a single h between them.
        const bool sameRun = k < vowels.size()
            && (vowels[k] - vowels[k - 1] == 1
                || (vowels[k] - vowels[k - 1] == 2 && units[std::size_t(vowels[k] - 1)].sound == Sound::Aitch));
        if (sameRun)
            continue;
        cutRun(units, vowels, runStart, k, &starts);
        if (k < vowels.size())
            starts.push_back(k);
        runStart = k;
    }

    // The consonants between two syllables' vowels: one goes with the second syllable; of two or
    // more, the last goes with the second, or the last two when they cannot be parted (pl, br, tr).
    QString text;
    int letter = 0;
    for (std::size_t s = 1; s < starts.size(); ++s) {
        const int lastVowel = vowels[starts[s] - 1];
        const int nextVowel = vowels[starts[s]];
        int boundary = nextVowel;
        const int consonants = nextVowel - lastVowel - 1;
        if (consonants == 1) {
            boundary = nextVowel - 1;
        } else if (consonants >= 2) {
            boundary = inseparable(lower, units[std::size_t(nextVowel - 2)], units[std::size_t(nextVowel - 1)])
                ? nextVowel - 2
                : nextVowel - 1;
        }
        const int at = units[std::size_t(boundary)].begin;
        text += word.mid(letter, at - letter);
        text += u'-';
        letter = at;
    }
    text += word.mid(letter);
    return text;
}

} // namespace ReferenceSyllables
