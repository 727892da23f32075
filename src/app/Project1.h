// Start-up: the application object, the five windows in their order, the message loop.
#pragma once

int runTildora(int argc, char **argv);
