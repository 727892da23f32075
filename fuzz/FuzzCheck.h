// What every fuzz target does when a property fails: say which, and stop so that libFuzzer
// keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}
