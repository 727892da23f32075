// Every test program draws with the program's own font mapping, registered as its
// application object starts, just as the program's application object does.
#include "shared/FontSubstitutes.h"

#include <QCoreApplication>

namespace {

void installProgramFonts()
{
    FontSubstitutes::install();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProgramFonts)
