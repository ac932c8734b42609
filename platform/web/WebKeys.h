#pragma once
// Browser keys as the Windows virtual-key codes the window procedure expects. Plain C++, so the
// table is tested natively.
namespace web {

// The Windows virtual-key code of a KeyboardEvent's `code` (the physical key: "KeyA", "Digit1",
// "F11", "Escape", ...); 0 for keys the demo has no code for.
int virtualKeyOf(const char* code);

}  // namespace web
