// The system's exclamation beep, with a hook so that tests can hear it.
#pragma once

#include <functional>

namespace SystemBeep {

void exclamation();

// Replaces the beep (tests count it); an empty function restores the real one.
void setHandler(std::function<void()> handler);

} // namespace SystemBeep
