// The thread's message queue in the page: messages posted by the program come first, then the
// browser's key events as the window messages they stand for; and the page's message boxes.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <string>

#include "platform/WindowMessages.h"
#include "platform/portable/PortableWindowing.h"
#include "platform/web/WebKeys.h"
#include "platform/web/WebState.h"

namespace {

portable::MessageQueue postedMessages;
web::InputQueue inputMessages;

// clang-format off
EM_JS(void, pageFragment, (char* buffer, int size), { stringToUTF8(location.hash, buffer, size); });
EM_JS(void, pageReport, (const char* problem), { TarvoPage.report(UTF8ToString(problem)); });
EM_ASYNC_JS(int, pageAsk, (const char* caption, const char* text, bool yesNo, bool fullScreenOnYes), {
    const answer = await TarvoPage.ask(UTF8ToString(caption), UTF8ToString(text), yesNo, fullScreenOnYes);
    return answer === "yes" ? 6 : answer === "no" ? 7 : 1;
});
// clang-format on

// A key of the page while a window is open: its message, and the browser's own use of it
// (F11's full screen, F12's tools) withheld. Other keys keep doing what the browser does with them.
EM_BOOL onKey(int eventType, const EmscriptenKeyboardEvent* event, void*) {
    const platform::WindowHandle window = web::openWindowHandle();
    web::KeyMessage key;
    const bool pressed = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    if (window == nullptr || !web::translateKey(event->code, event->altKey != 0, pressed, key)) return EM_FALSE;
    inputMessages.post({window, key.message, static_cast<uintptr_t>(key.virtualKey), 0});
    return EM_TRUE;
}

}  // namespace

namespace web {

const PageOptions& pageOptions() {
    static const PageOptions options = [] {
        char fragment[256];  // longer fragments are cut, and no option of ours is lost in a cut
        pageFragment(fragment, sizeof fragment);
        std::string problem;
        const PageOptions parsed = parsePageOptions(fragment, problem);
        if (!problem.empty()) pageReport(problem.c_str());
        return parsed;
    }();
    return options;
}

InputQueue& input() { return inputMessages; }

void listenToKeys() {
    static bool listening = false;
    if (listening) return;
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onKey);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onKey);
    listening = true;
}

int askInPage(const char* caption, const char* text, bool yesNo, bool fullScreenOnYes) {
    return pageAsk(caption, text, yesNo, fullScreenOnYes);
}

}  // namespace web

namespace platform {

bool peekMessage(Message& message) {
    if (postedMessages.take(message)) return true;
    return inputMessages.take(message);
}

// Character messages are not needed: the window procedure works with key codes alone.
void translateMessage(const Message& message) { (void)message; }

intptr_t dispatchMessage(const Message& message) {
    if (message.window == nullptr || message.window != web::openWindowHandle()) return 0;
    return web::openWindowProc()(message.window, message.message, message.wParam, message.lParam);
}

void postQuitMessage(int exitCode) { postedMessages.postQuit(exitCode); }

intptr_t defaultWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const WindowProc proc = window != nullptr && window == web::openWindowHandle() ? web::openWindowProc() : nullptr;
    return portable::defaultWindowProc(proc, window, message, wParam, lParam);
}

// Every answer comes from a button: the page's box has no way to close it otherwise.
int messageBox(const char* text, const char* caption, uint32_t style) {
    return web::askInPage(caption, text, (style & MB_TYPEMASK) == MB_YESNO, false);
}

}  // namespace platform
