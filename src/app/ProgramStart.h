// How the program starts, for the program and for the start-up benchmark alike: fontconfig's
// configuration is read ahead while the application object opens the display, then Qt's font
// list while the first window makes its controls.
#pragma once

#include "app/TildoraApplication.h"
#include "platform/FontWarmUp.h"

#include <optional>

class ProgramStart {
public:
    ProgramStart(int &argc, char **argv);

    ProgramStart(const ProgramStart &) = delete;
    ProgramStart &operator=(const ProgramStart &) = delete;

private:
    // In this order: the configuration's reading begins before the application object.
    FontWarmUp m_configuration;
    TildoraApplication m_application;
    std::optional<FontWarmUp> m_fontList;
};
