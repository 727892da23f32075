// The system's exclamation beep. Controls do not call it: their owner hands it to them, so a
// test gives a control a beep it can count instead.
#pragma once

namespace SystemBeep {

void exclamation();

} // namespace SystemBeep
