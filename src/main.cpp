// Tildora: practice of Spanish written accentuation.
#include "app/TildoraWindows.h"

int main(int argc, char **argv)
{
    return runTildora(argc, argv);
}
