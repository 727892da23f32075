// The standard error box for exceptions that end a handler: one place decides how an error
// reaches the user, whether it was caught where a handler is connected, where a window must go
// on (a window's creation), or, as a last resort, as it escaped to the event loop.
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

// The handler as a callable for connecting to a signal: an exception ends the handler in the
// error box right there, instead of unwinding through the toolkit's own event code (which would
// skip its clean-up and leak the event being delivered).
template <typename Object, typename... Args>
auto guarded(Object *object, void (Object::*handler)(Args...))
{
    return [object, handler](Args... args) { run([&] { (object->*handler)(args...); }); };
}

} // namespace ErrorGuard
