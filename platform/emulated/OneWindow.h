#pragma once
// The window system of a backend with one window at a time (sdl, web), written once: the open
// window's handle and procedure, its device context (the window's own handle), its one pixel
// format, the size of its frame (none: these backends size client areas), and the thread's message
// queue, which gives what the program posted first and then the backend's own events. This file
// implements those calls of the platform contract; a backend keeps only its real ones, telling
// this file when its window opens and closes and handing over its events.
#include "platform/Platform.h"

namespace emulated {

// From the backend: its window exists under this handle, with the procedure of its class; and no
// longer.
void windowOpened(platform::WindowHandle window, platform::WindowProc proc);
void windowClosed();

// The handle and procedure of the window now open; none while none is.
platform::WindowHandle openWindow();
platform::WindowProc openWindowProc();
bool isOpenWindow(platform::WindowHandle window);
// The open window's device context: the device handle is the window handle.
bool isOpenDevice(platform::DeviceHandle device);

// Each backend defines this: the message its next event stands for; false when it has none.
bool takeBackendMessage(platform::Message& message);

}  // namespace emulated
