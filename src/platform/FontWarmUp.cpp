// Fontconfig's configuration and Qt's font list, read ahead on a thread of their own.
#include "platform/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp(Reading reading)
    : m_reading([reading] {
          if (reading == Reading::Configuration)
              FcInit();
          else
              QFontDatabase::families();
      })
{
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (m_reading.joinable())
        m_reading.join();
}
