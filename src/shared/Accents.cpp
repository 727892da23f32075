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

QString plainForm(const QString &word)
{
    static const QString accented = QStringLiteral("áéíóú");
    static const QString plain = QStringLiteral("aeiou");
    QString result = lowerAsciiLetters(word);
    for (QChar &ch : result) {
        const qsizetype at = accented.indexOf(ch);
        if (at >= 0)
            ch = plain[at];
    }
    return result;
}

QChar accentedVowel(QChar plain)
{
    static const QString vowels = QStringLiteral("aeiou");
    static const QString accented = QStringLiteral("áéíóú");
    const qsizetype at = vowels.indexOf(plain);
    return at >= 0 ? accented[at] : QChar();
}

} // namespace Accents
