// The font mapping registered at start-up.
#include "shared/FontSubstitutes.h"

#include <QFont>

namespace FontSubstitutes {

const QList<Substitute> &table()
{
    // Liberation shares Arial's and Courier New's metrics, so texts centred or fitted by pixel
    // keep their places; "MS Sans Serif" was a narrow bitmap sans of much the same widths.
    static const QList<Substitute> substitutes = {
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
        {QStringLiteral("Lynda Cursive"), QStringLiteral("Dancing Script")},
    };
    return substitutes;
}

void install()
{
    for (const Substitute &substitute : table())
        QFont::insertSubstitutions(substitute.requested, {substitute.installed, QStringLiteral("DejaVu Sans")});
}

QString installedFamily(const QString &requested)
{
    for (const Substitute &substitute : table())
        if (substitute.requested.compare(requested, Qt::CaseInsensitive) == 0)
            return substitute.installed;
    return requested;
}

} // namespace FontSubstitutes
