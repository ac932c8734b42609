#pragma once
// Records the GL calls the engine makes while passing each one on to the real GL. Test
// executables link with -Wl,--wrap for the recorded functions (see tests/CMakeLists.txt).
#include <string>
#include <vector>

namespace gllog {

void start();  // forgets what was recorded and starts recording
void stop();
// "glEnable 0x0BE2", "glDisable 0x0B50", "glBindTexture 0x0003" ... in call order.
const std::vector<std::string>& calls();

}  // namespace gllog
