// The demo's entry point: no options, no configuration; everything is fixed in the programme.
#include "runtime/Programme.h"

int main() { return playProgramme(); }
