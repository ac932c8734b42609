// The Windows GUI entry point: the command line comes from the C runtime's __argc and __argv, and
// full screen keeps its real display-mode change unless the viewer asks for the desktop's.
#include <cstdio>
#include <cstdlib>

#include "platform/win32/Win32.h"
#include "runtime/Programme.h"

namespace {

// A GUI program has no console of its own. Started from a command prompt, it writes --help,
// --version and command-line errors to that prompt; output sent elsewhere stays there.
void writeToTheParentConsole() {
    const bool hasOutput = GetStdHandle(STD_OUTPUT_HANDLE) != nullptr;
    const bool hasErrors = GetStdHandle(STD_ERROR_HANDLE) != nullptr;
    if ((hasOutput && hasErrors) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!hasOutput) std::freopen("CONOUT$", "w", stdout);
    if (!hasErrors) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    writeToTheParentConsole();
    return playerMain(__argc, __argv, platform::FullScreenKind::DisplayMode);
}
