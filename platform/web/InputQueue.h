#pragma once
// The window messages of the browser's input events, waiting for the frame loop. Plain C++, so it
// is tested natively.
//
// The browser delivers events between frames, and a frame may take longer than a quick tap of a
// key: a key that went down and up since the last frame would be pressed and released in one go
// and never seen held. Its release therefore waits until a frame has been presented with the key
// down, as it would have been on a desktop running at its full frame rate.
#include <deque>

#include "platform/Platform.h"

namespace web {

class InputQueue {
public:
    void post(const platform::Message& message);
    // The next message the frame loop may have now; false when there is none yet.
    bool take(platform::Message& message);
    // A frame has been presented: the releases held back may follow.
    void framePresented();
    void clear();

private:
    std::deque<platform::Message> messages_;
    bool pressedThisFrame_[256] = {};
};

}  // namespace web
