// The browser's key events as the window messages they stand for, after those the program posted
// (emulated/OneWindow.cpp); and the page's message boxes.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <string>

#include "platform/WindowMessages.h"
#include "platform/emulated/OneWindow.h"
#include "platform/emulated/Windowing.h"
#include "platform/web/WebKeys.h"
#include "platform/web/WebState.h"

namespace {

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
    const platform::WindowHandle window = emulated::openWindow();
    platform::Message message;
    const bool pressed = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    if (window == nullptr ||
        !emulated::keyMessage(window, web::virtualKeyOf(event->code), event->altKey != 0, pressed, message))
        return EM_FALSE;
    inputMessages.post(message);
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

namespace emulated {

bool takeBackendMessage(platform::Message& message) { return inputMessages.take(message); }

}  // namespace emulated

namespace platform {

// Every answer comes from a button: the page's box has no way to close it otherwise.
int messageBox(const char* text, const char* caption, uint32_t style) {
    return web::askInPage(caption, text, (style & MB_TYPEMASK) == MB_YESNO, false);
}

}  // namespace platform
