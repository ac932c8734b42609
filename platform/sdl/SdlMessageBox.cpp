// Modal message boxes through SDL, and stderr when SDL can show none (no display, no zenity).
#include <cstdio>

#include "platform/WindowMessages.h"
#include "platform/sdl/SdlState.h"

namespace {

constexpr uint32_t MB_ICONMASK = 0xF0;

Uint32 iconFlagOf(uint32_t style) {
    switch (style & MB_ICONMASK) {
    case platform::MB_ICONSTOP: return SDL_MESSAGEBOX_ERROR;
    case platform::MB_ICONEXCLAMATION: return SDL_MESSAGEBOX_WARNING;
    case platform::MB_ICONINFORMATION: return SDL_MESSAGEBOX_INFORMATION;
    default: return 0;
    }
}

}  // namespace

namespace platform {

int messageBox(const char* text, const char* caption, uint32_t style) {
    static const SDL_MessageBoxButtonData okButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDOK, "OK"}};
    static const SDL_MessageBoxButtonData yesNoButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"}};
    const bool yesNo = (style & MB_TYPEMASK) == MB_YESNO;
    // What a user who closes the box without choosing answers.
    const int closedAnswer = yesNo ? IDNO : IDOK;

    SDL_MessageBoxData box{};
    // The icon alone: SDL's zenity path shows no icon once a button-order flag is added.
    box.flags = iconFlagOf(style);
    box.title = caption;
    box.message = text;
    box.numbuttons = yesNo ? 2 : 1;
    box.buttons = yesNo ? yesNoButtons : okButtons;

    int answer = -1;
    if (SDL_ShowMessageBox(&box, &answer) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
        // The one question asks whether to go on windowed: a viewer who cannot be asked still
        // wants to see the demo.
        if (yesNo) std::fprintf(stderr, "(no message box can be shown: answered Yes)\n");
        return yesNo ? IDYES : IDOK;
    }
    return answer == -1 ? closedAnswer : answer;
}

}  // namespace platform
