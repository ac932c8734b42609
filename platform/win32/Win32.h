#pragma once
// What the files of the win32 backend share: windows.h without its min/max macros, and the
// conversions between the engine's opaque handles and Win32's.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/Platform.h"

namespace win32 {

inline HWND hwndOf(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline platform::WindowHandle handleOf(HWND window) { return reinterpret_cast<platform::WindowHandle>(window); }
inline HDC hdcOf(platform::DeviceHandle device) { return reinterpret_cast<HDC>(device); }
inline HGLRC hglrcOf(platform::ContextHandle context) { return reinterpret_cast<HGLRC>(context); }

// Lets a window keep the outer size it was created with even where that is larger than the screen
// (a framed 640x480 client on a 640x480 desktop), which Windows would otherwise cut down.
void allowCreatedSize(MINMAXINFO& limits);

}  // namespace win32
