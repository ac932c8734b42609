#pragma once
// Renders the same drawing with real OpenGL 1.1 (a compatibility context) and with the
// fixed-function layer (an OpenGL ES 3 context with the layer's state), each into a framebuffer
// object like the window's (RGB8, 16-bit depth) on Mesa's surfaceless EGL, and reads both back.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace twocontexts {

constexpr int size = 96;  // width and height of both framebuffers, in pixels

enum class Gl { Real, Layer };

// The pixels (RGBA, bottom row first) after `draw` ran on a cleared framebuffer with a fresh
// context's state, the viewport set to the whole framebuffer.
std::vector<uint8_t> render(Gl gl, const std::function<void()>& draw);

// Writes both pictures side by side (real left, layer right) for a person to look at.
void writeSideBySide(const std::string& path, const std::vector<uint8_t>& real, const std::vector<uint8_t>& layer);

// Renders `real` on real OpenGL and `layer` on the layer. The running test fails where more than
// `differingAllowed` pixels have a channel more than `tolerance` apart, writing both pictures to
// fixedgl-NAME.png, or where fewer than 20 pixels of real OpenGL's picture are not black (such a
// drawing would prove nothing).
void expectSamePicture(const std::string& name, const std::function<void()>& real, const std::function<void()>& layer,
                       int tolerance, int differingAllowed);

}  // namespace twocontexts
