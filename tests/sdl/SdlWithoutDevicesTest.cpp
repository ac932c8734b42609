// The sdl backend on a machine with neither display nor sound device (ctest unsets DISPLAY and
// gives ALSA an empty configuration, so it has no device on any machine).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Platform.h"
#include "platform/WindowMessages.h"

namespace {

using namespace platform;

intptr_t unusedProc(WindowHandle, uint32_t, uintptr_t, intptr_t) { return 0; }

class SdlWithoutDevices : public testing::Test {
protected:
    void SetUp() override {
        // A message box on a real display would wait for a click.
        if (std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr)
            GTEST_SKIP() << "needs DISPLAY and WAYLAND_DISPLAY unset, as ctest runs it";
    }
};

void renderNothing(void*, int16_t*, int) {}

TEST_F(SdlWithoutDevices, AudioOutputFailsWithoutAWord) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(openAudioOutput(44100, renderNothing, nullptr));
    startAudioOutput();
    stopAudioOutput();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(SdlWithoutDevices, NoDisplayIsSaidWithSdlsReason) {
    const char* reason = "";
    EXPECT_FALSE(openDisplay(reason));
    EXPECT_STRNE(reason, "");
    EXPECT_FALSE(registerWindowClass("OpenGL", unusedProc, 143));
    EXPECT_FALSE(changeDisplayMode(640, 480, 32));
}

// The one question asks whether to go on windowed: a viewer who cannot be asked still wants to
// see the demo.
TEST_F(SdlWithoutDevices, MessageBoxesGoToStderrAndTheQuestionIsAnsweredYes) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(messageBox("Window Creation Error.", "ERROR", MB_OK | MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(messageBox("Use Windowed Mode Instead?", "ERROR", MB_YESNO | MB_ICONEXCLAMATION), IDYES);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ERROR: Window Creation Error.\nERROR: Use Windowed Mode Instead?\n"
              "(no message box can be shown: answered Yes)\n");
}

}  // namespace
