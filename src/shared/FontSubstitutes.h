// The font families the windows ask for, mapped to families that Debian packages, so that the
// look does not depend on whichever fonts fontconfig happens to fall back to.
#pragma once

#include <QList>
#include <QString>

namespace FontSubstitutes {

struct Substitute {
    QString requested;   // the family the layouts name
    QString installed;   // the packaged family drawn in its place
};

// The mapping, in the order the README lists it.
const QList<Substitute> &table();

// Registers the mapping with QFont; call once at start-up, before any window is built.
void install();

// The packaged family drawn for a requested one (the requested one itself when it is not
// mapped). Asking for it by this name spares fontconfig a search for fallbacks of a family
// that is not installed, the costliest step of a window's first text.
QString installedFamily(const QString &requested);

} // namespace FontSubstitutes
