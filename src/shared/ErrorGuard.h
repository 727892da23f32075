// The standard error box for exceptions that end a handler: one place decides how an error
// reaches the user, whether it escaped to the event loop or was caught where a window must go
// on (a window's creation).
#pragma once

#include <QString>

namespace ErrorGuard {

// Shows the application's standard error box with the text.
void showError(const QString &text);

// Call inside a catch block: a SilentAbort passes quietly, any other exception is shown.
void reportCurrentException();

// Runs the step; an exception ends it and is reported, and the caller goes on.
template <typename Step>
void run(Step &&step)
{
    try {
        step();
    } catch (...) {
        reportCurrentException();
    }
}

} // namespace ErrorGuard
