// The sdl backend's key table: SDL's keys as the virtual-key codes the demo reacts to.
#include <gtest/gtest.h>

#include "platform/WindowMessages.h"
#include "platform/sdl/SdlKeys.h"

namespace {

using namespace platform;

TEST(SdlKeys, AreTheWindowsVirtualKeys) {
    const std::pair<SDL_Keycode, int> cases[] = {
        {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_F11, VK_F11},    {SDLK_F12, VK_F12},       {SDLK_F1, VK_F1},
        {SDLK_F4, VK_F4},         {SDLK_F10, VK_F10},    {SDLK_q, 'Q'},            {SDLK_9, '9'},
        {SDLK_KP_ENTER, VK_RETURN}, {SDLK_RSHIFT, VK_SHIFT},  // both keys of a pair share a code
        {SDLK_RALT, VK_MENU},     {SDLK_F13, 0},         {SDLK_CAPSLOCK, 0},       {SDLK_UNKNOWN, 0},
    };
    for (const auto& [key, virtualKey] : cases) EXPECT_EQ(sdl::virtualKeyOf(key), virtualKey) << SDL_GetKeyName(key);
}

}  // namespace
