// The Windows GUI entry point: its four parameters are ignored, the programme fixes everything.
#include "platform/win32/Win32.h"
#include "runtime/Programme.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return playProgramme(); }
