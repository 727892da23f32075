// Fontconfig's configuration, read ahead on a thread of its own.
#include "platform/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

FontConfigWarmUp::FontConfigWarmUp() : m_reading([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

void FontConfigWarmUp::wait()
{
    if (m_reading.joinable())
        m_reading.join();
}
