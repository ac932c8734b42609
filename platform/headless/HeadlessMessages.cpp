// Headless message boxes and message queue: posted messages, then the scripted input whose frame
// has come, dispatched to the window procedure of the window's class.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessState.h"

using headless::detail::findWindow;
using headless::detail::logCall;
using headless::detail::objects;
using headless::detail::script;

namespace {

// Takes the first scripted event that is due, applying a resize to the newest window.
bool takeScriptedEvent(platform::Message& message) {
    auto& events = script().events;
    auto& windows = objects().windows;
    if (events.empty() || events.begin()->first > script().frames || windows.empty()) return false;
    const headless::detail::ScriptedEvent event = events.begin()->second;
    events.erase(events.begin());

    headless::detail::Window& window = *windows.back();
    message = {reinterpret_cast<platform::WindowHandle>(&window), event.message, event.wParam, 0};
    if (event.message == platform::WM_SIZE) {
        window.record.clientWidth = event.width;
        window.record.clientHeight = event.height;
        headless::detail::fitWindowFramebuffer(window);
        message.lParam = platform::sizeParam(event.width, event.height);
    }
    return true;
}

int defaultAnswer(uint32_t style) {
    return (style & platform::MB_TYPEMASK) == platform::MB_YESNO ? platform::IDNO : platform::IDOK;
}

}  // namespace

namespace platform {

int messageBox(const char* text, const char* caption, uint32_t style) {
    const std::string textString = text ? text : "";
    const std::string captionString = caption ? caption : "";
    logCall("messageBox [" + captionString + "]: " + textString);
    // Nobody sees a headless box: the user of a headless run learns what went wrong here.
    std::fprintf(stderr, "message box [%s]: %s\n", captionString.c_str(), textString.c_str());

    auto& answers = script().answers;
    int answer = defaultAnswer(style);
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    script().messageBoxes.push_back({textString, captionString, style, answer});
    return answer;
}

bool peekMessage(Message& message) { return script().posted.take(message) || takeScriptedEvent(message); }

void translateMessage(const Message& message) {
    (void)message;  // scripted keys carry virtual-key codes; no character messages are made
}

intptr_t dispatchMessage(const Message& message) {
    const headless::detail::Window* window = findWindow(message.window);
    return window ? window->proc(message.window, message.message, message.wParam, message.lParam) : 0;
}

void postQuitMessage(int exitCode) {
    logCall("postQuitMessage " + std::to_string(exitCode));
    script().posted.postQuit(exitCode);
}

intptr_t defaultWindowProc(WindowHandle handle, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const headless::detail::Window* window = findWindow(handle);
    return emulated::defaultWindowProc(window ? window->proc : nullptr, handle, message, wParam, lParam);
}

void exitProcess(int exitCode) {
    // Ends the process at once, as ExitProcess does: no static destructors run under a GL driver
    // whose threads are still working. What was printed is flushed first.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace platform
