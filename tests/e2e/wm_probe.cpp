// The two things the end-to-end test needs from a window manager, which its X server lacks:
//   wm_probe watch         prints, one line each as they come, the full-screen requests clients
//                          send to the root window: "WINDOW add|remove|toggle ATOM..." (WINDOW in
//                          decimal, as xdotool prints it); "ready" first, once it listens.
//   wm_probe close WINDOW  asks WINDOW to close as a window manager does: a WM_DELETE_WINDOW
//                          message, sent only when the window lists that protocol (a window
//                          manager would kill a client that does not). The installed xdotool
//                          can only destroy windows.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool listsProtocol(Display* display, Window window, Atom protocol) {
    Atom* protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display, window, &protocols, &count) == 0) return false;
    bool found = false;
    for (int i = 0; i < count; ++i) found = found || protocols[i] == protocol;
    XFree(protocols);
    return found;
}

int sendClose(Display* display, Window window) {
    const Atom wmDeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    if (!listsProtocol(display, window, wmDeleteWindow)) {
        std::fprintf(stderr, "wm_probe: window %lu does not take WM_DELETE_WINDOW\n", window);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(wmDeleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XSync(display, False);
    if (!sent) std::fprintf(stderr, "wm_probe: the X server refused the event\n");
    return sent ? 0 : 1;
}

void printAtom(Display* display, long atom) {
    if (atom == None) return;
    char* name = XGetAtomName(display, static_cast<Atom>(atom));
    std::printf(" %s", name != nullptr ? name : "?");
    if (name != nullptr) XFree(name);
}

// Runs until killed, like the window manager it stands in for.
[[noreturn]] void watchStateRequests(Display* display) {
    const Atom netWmState = XInternAtom(display, "_NET_WM_STATE", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::puts("ready");
    static const char* const actions[] = {"remove", "add", "toggle"};
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != ClientMessage || event.xclient.message_type != netWmState) continue;
        const XClientMessageEvent& message = event.xclient;
        const long action = message.data.l[0];
        std::printf("%lu %s", message.window, action >= 0 && action <= 2 ? actions[action] : "?");
        printAtom(display, message.data.l[1]);
        printAtom(display, message.data.l[2]);
        std::putchar('\n');
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool watch = argc == 2 && std::strcmp(argv[1], "watch") == 0;
    const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
    if (!watch && !close) {
        std::fprintf(stderr, "usage: %s watch | close WINDOW\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wm_probe: cannot open the display\n");
        return 1;
    }
    if (watch) watchStateRequests(display);
    const int status = sendClose(display, std::strtoul(argv[2], nullptr, 0));
    XCloseDisplay(display);
    return status;
}
