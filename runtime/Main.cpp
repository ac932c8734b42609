// The demo's entry point on Linux: full screen means the desktop's own full screen here.
#include "runtime/Programme.h"

int main(int argc, char** argv) { return playerMain(argc, argv, platform::FullScreenKind::Desktop); }
