// The system's exclamation beep.
#include "platform/SystemBeep.h"

#include <QApplication>

namespace SystemBeep {

void exclamation()
{
    QApplication::beep();
}

} // namespace SystemBeep
