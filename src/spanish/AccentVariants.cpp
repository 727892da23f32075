// The accent variants of a board word.
#include "spanish/AccentVariants.h"

#include "shared/Accents.h"

namespace AccentVariants {

QString caption(const QString &word)
{
    return Accents::lowerAsciiLetters(word).left(captionLimit);
}

QStringList variants(const QString &caption)
{
    const QString plain = Accents::plainForm(caption);
    QStringList list{plain};
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar accented = Accents::accentedVowel(plain[i]);
        if (accented.isNull())
            continue;
        QString variant = plain;
        variant[i] = accented;
        list.append(variant);
    }
    return list;
}

bool isRight(const QString &chosen, const QString &caption)
{
    return chosen == caption;
}

} // namespace AccentVariants
