// Tildora: practice of Spanish written accentuation.
#include "app/Project1.h"

int main(int argc, char **argv)
{
    return runTildora(argc, argv);
}
