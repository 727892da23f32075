// The application object between the two font readings ahead.
#include "app/ProgramStart.h"

ProgramStart::ProgramStart(int &argc, char **argv)
    : m_configuration(FontWarmUp::Reading::Configuration), m_application(argc, argv)
{
    m_configuration.wait();
    m_fontList.emplace(FontWarmUp::Reading::FontList);
}
