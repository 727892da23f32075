// Letter-case and accent helpers for the program's Spanish words.
#include "shared/Accents.h"

namespace Accents {

QString lowerAsciiLetters(const QString &text)
{
    QString result = text;
    for (QChar &ch : result)
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            ch = QChar(ch.unicode() + ('a' - 'A'));
    return result;
}

QString upperAsciiLetters(const QString &text)
{
    QString result = text;
    for (QChar &ch : result)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - ('a' - 'A'));
    return result;
}

namespace {

// The one table of the accented vowels and their plain forms, lower case first.
const QString &accentedVowels()
{
    static const QString vowels = QStringLiteral("áéíóúÁÉÍÓÚ");
    return vowels;
}
const QString &plainVowels()
{
    static const QString vowels = QStringLiteral("aeiouAEIOU");
    return vowels;
}
constexpr qsizetype lowerCaseVowels = 5;

} // namespace

QString plainForm(const QString &word)
{
    QString result = lowerAsciiLetters(word);
    for (QChar &ch : result) {
        // Accented capitals stay as they are.
        const qsizetype at = accentedVowels().indexOf(ch);
        if (at >= 0 && at < lowerCaseVowels)
            ch = plainVowels()[at];
    }
    return result;
}

QChar accentedVowel(QChar plain)
{
    const qsizetype at = plainVowels().indexOf(plain);
    return at >= 0 && at < lowerCaseVowels ? accentedVowels()[at] : QChar();
}

QChar plainVowel(QChar accented)
{
    // Most characters of a text lie outside the table's range: answer those at once.
    if (accented.unicode() < u'Á' || accented.unicode() > u'ú')
        return QChar();
    const qsizetype at = accentedVowels().indexOf(accented);
    return at >= 0 ? plainVowels()[at] : QChar();
}

} // namespace Accents
