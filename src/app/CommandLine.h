// The options that run without a window: --explicar and --help.
#pragma once

#include <optional>

// Handles the command line when it asks for no window, before any display is needed, and
// gives the exit status; gives nothing when the windows should start.
std::optional<int> runCommandLine(int argc, char **argv);
