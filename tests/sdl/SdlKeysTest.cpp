// The key translation of the sdl backend: the codes the demo reacts to and Windows' system keys.
#include <gtest/gtest.h>

#include "platform/WindowMessages.h"
#include "platform/sdl/SdlKeys.h"

namespace {

using namespace platform;

TEST(SdlKeys, KeysBecomeWindowsKeyMessages) {
    struct Case {
        SDL_Keycode key;
        uint16_t modifiers;
        bool pressed;
        uint32_t message;
        int virtualKey;
    };
    const Case cases[] = {
        {SDLK_ESCAPE, KMOD_NONE, true, WM_KEYDOWN, 27},
        {SDLK_F11, KMOD_NONE, true, WM_KEYDOWN, 122},
        {SDLK_F12, KMOD_LSHIFT, false, WM_KEYUP, 123},
        {SDLK_F1, KMOD_NONE, true, WM_KEYDOWN, 0x70},
        {SDLK_q, KMOD_NONE, true, WM_KEYDOWN, 'Q'},
        {SDLK_9, KMOD_NONE, true, WM_KEYDOWN, '9'},
        {SDLK_KP_ENTER, KMOD_NONE, true, WM_KEYDOWN, VK_RETURN},
        {SDLK_RSHIFT, KMOD_RSHIFT, true, WM_KEYDOWN, VK_SHIFT},  // both keys of a pair share a code
        // With Alt held, Alt itself and F10 are system keys, as on Windows.
        {SDLK_F4, KMOD_LALT, true, WM_SYSKEYDOWN, VK_F4},
        {SDLK_F4, KMOD_RALT, false, WM_SYSKEYUP, VK_F4},
        {SDLK_F10, KMOD_NONE, true, WM_SYSKEYDOWN, VK_F10},
        {SDLK_RALT, KMOD_NONE, true, WM_SYSKEYDOWN, VK_MENU},
    };
    for (const Case& c : cases) {
        sdl::KeyMessage key{};
        ASSERT_TRUE(sdl::translateKey(c.key, c.modifiers, c.pressed, key)) << SDL_GetKeyName(c.key);
        EXPECT_EQ(key.message, c.message) << SDL_GetKeyName(c.key);
        EXPECT_EQ(key.virtualKey, c.virtualKey) << SDL_GetKeyName(c.key);
    }
}

TEST(SdlKeys, UnknownKeysMakeNoMessage) {
    sdl::KeyMessage key{};
    EXPECT_FALSE(sdl::translateKey(SDLK_F13, KMOD_NONE, true, key));
    EXPECT_FALSE(sdl::translateKey(SDLK_CAPSLOCK, KMOD_NONE, true, key));
    EXPECT_FALSE(sdl::translateKey(SDLK_UNKNOWN, KMOD_NONE, false, key));
}

}  // namespace
