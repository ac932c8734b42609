// The demo's window on the sdl backend, driven from outside by window_check.sh: opens it full
// screen at 640x480, clears it to one colour every frame, prints "key N" the first time each
// watched key shows in the window's key table, and quits on Escape.
#include <cstdio>

#include "platform/GL.h"
#include "platform/GLWindow.h"
#include "platform/Platform.h"
#include "platform/WindowMessages.h"

namespace {

constexpr int watchedKeys[] = {platform::VK_ESCAPE, platform::VK_F11, platform::VK_F12};

void reportNewKeys(const GLWindow& window, bool (&reported)[256]) {
    for (int key : watchedKeys) {
        if (window.keys[key] == 0 || reported[key]) continue;
        reported[key] = true;
        std::printf("key %d\n", key);
        std::fflush(stdout);
    }
}

}  // namespace

int main() {
    GLWindow window;
    if (!window.create("Tarvo SDL window check", 640, 480, 32, true)) return 1;
    if (!window.start()) return 1;
    std::printf("window %dx%d %s\n", window.width, window.height, window.fullscreen ? "full screen" : "windowed");
    std::fflush(stdout);

    bool reported[256] = {};
    // Like the demo's loop: each turn handles one message or draws one frame. Keys are looked at
    // after every turn, so a press and release that arrive together are still seen.
    while (window.keys[platform::VK_ESCAPE] == 0) {
        platform::Message message;
        if (platform::peekMessage(message)) {
            if (message.message == platform::WM_QUIT) break;
            platform::translateMessage(message);
            platform::dispatchMessage(message);
        } else {
            glClearColor(0.2f, 0.4f, 0.8f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            window.swapBuffers();
        }
        reportNewKeys(window, reported);
    }
    window.destroy();
    return 0;
}
