// Qt's font list, built ahead on a thread of its own.
#include "platform/FontListWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

FontListWarmUp::FontListWarmUp() : m_listing([] { QFontDatabase::families(); }) {}

FontListWarmUp::~FontListWarmUp()
{
    m_listing.join();
}
