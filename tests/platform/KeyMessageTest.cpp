// The key messages the backends without Win32 send, as Windows does: Alt and F10 are system keys.
#include <gtest/gtest.h>

#include "platform/WindowMessages.h"
#include "platform/emulated/Windowing.h"

namespace {

using namespace platform;

TEST(KeyMessage, AltHeldAltItselfAndF10AreSystemKeys) {
    struct Case {
        int virtualKey;
        bool altHeld;
        bool pressed;
        uint32_t message;
    };
    const Case cases[] = {
        {VK_ESCAPE, false, true, WM_KEYDOWN},   {VK_ESCAPE, false, false, WM_KEYUP},
        {VK_F4, true, true, WM_SYSKEYDOWN},     {VK_F4, true, false, WM_SYSKEYUP},  // Alt+F4 closes the window
        {VK_F10, false, true, WM_SYSKEYDOWN},   {VK_MENU, false, true, WM_SYSKEYDOWN},
        {VK_F11, false, true, WM_KEYDOWN},
    };
    const auto window = reinterpret_cast<WindowHandle>(0x10);
    for (const Case& c : cases) {
        Message message{};
        ASSERT_TRUE(emulated::keyMessage(window, c.virtualKey, c.altHeld, c.pressed, message)) << c.virtualKey;
        EXPECT_EQ(message.window, window);
        EXPECT_EQ(message.message, c.message) << c.virtualKey << (c.altHeld ? " with Alt" : "");
        EXPECT_EQ(message.wParam, static_cast<uintptr_t>(c.virtualKey));
    }
    Message message{};
    EXPECT_FALSE(emulated::keyMessage(window, 0, false, true, message)) << "a key the demo has no code for";
}

}  // namespace
