// The Windows GUI entry point: the command line comes from the C runtime's __argc and __argv, and
// full screen keeps its real display-mode change unless the viewer asks for the desktop's.
#include <cstdlib>

#include "platform/win32/Win32.h"
#include "runtime/Programme.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return playerMain(__argc, __argv, platform::FullScreenKind::DisplayMode);
}
