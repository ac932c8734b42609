// Message boxes, the thread's message queue and default window processing, passed straight to
// Win32: the engine's message numbers, styles and answers are Win32's own.
#include "platform/win32/Win32.h"

namespace {

// The Win32 form of a message the engine took from the queue. Time and cursor position are
// those of the message retrieved last, which is the one being translated or dispatched.
MSG win32MessageOf(const platform::Message& message) {
    MSG msg{};
    msg.hwnd = win32::hwndOf(message.window);
    msg.message = message.message;
    msg.wParam = message.wParam;
    msg.lParam = message.lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    const DWORD position = GetMessagePos();
    msg.pt = {static_cast<SHORT>(LOWORD(position)), static_cast<SHORT>(HIWORD(position))};
    return msg;
}

}  // namespace

namespace platform {

int messageBox(const char* text, const char* caption, uint32_t style) {
    return MessageBoxA(nullptr, text, caption, style);
}

bool peekMessage(Message& message) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    message = {win32::handleOf(msg.hwnd), msg.message, msg.wParam, msg.lParam};
    return true;
}

void translateMessage(const Message& message) {
    const MSG msg = win32MessageOf(message);
    TranslateMessage(&msg);
}

intptr_t dispatchMessage(const Message& message) {
    const MSG msg = win32MessageOf(message);
    return DispatchMessageA(&msg);
}

void postQuitMessage(int exitCode) { PostQuitMessage(exitCode); }

intptr_t defaultWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const LRESULT result = DefWindowProcA(win32::hwndOf(window), message, wParam, lParam);
    if (message == WM_GETMINMAXINFO) win32::allowCreatedSize(*reinterpret_cast<MINMAXINFO*>(lParam));
    return result;
}

}  // namespace platform
