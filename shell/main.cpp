// ZumboRumble's entry point.
#include "shell/Startup.h"

int main() { return Zumbo_Main(); }
