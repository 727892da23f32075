// The system's exclamation beep.
#include "platform/SystemBeep.h"

#include <QApplication>

namespace SystemBeep {

namespace {
std::function<void()> &handler()
{
    static std::function<void()> installed;
    return installed;
}
} // namespace

void exclamation()
{
    if (handler())
        handler()();
    else
        QApplication::beep();
}

void setHandler(std::function<void()> replacement)
{
    handler() = std::move(replacement);
}

} // namespace SystemBeep
