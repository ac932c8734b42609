#include "platform/web/InputQueue.h"

#include <algorithm>

#include "platform/WindowMessages.h"

namespace web {

namespace {

bool isKey(const platform::Message& message) { return message.wParam < 256; }
bool isPress(const platform::Message& message) {
    return message.message == platform::WM_KEYDOWN || message.message == platform::WM_SYSKEYDOWN;
}

bool isRelease(const platform::Message& message) {
    return message.message == platform::WM_KEYUP || message.message == platform::WM_SYSKEYUP;
}

}  // namespace

void InputQueue::post(const platform::Message& message) { messages_.push_back(message); }

bool InputQueue::take(platform::Message& message) {
    if (messages_.empty()) return false;
    const platform::Message& next = messages_.front();
    // Everything after a held-back release waits with it, so the order of events is kept.
    if (isRelease(next) && isKey(next) && pressedThisFrame_[next.wParam]) return false;
    if (isPress(next) && isKey(next)) pressedThisFrame_[next.wParam] = true;
    message = next;
    messages_.pop_front();
    return true;
}

void InputQueue::framePresented() { std::fill(std::begin(pressedThisFrame_), std::end(pressedThisFrame_), false); }

void InputQueue::clear() {
    messages_.clear();
    framePresented();
}

}  // namespace web
