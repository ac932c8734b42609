#pragma once
// The demo's soundtrack: a FastTracker 2 module (XM) composed and synthesised entirely by code.
#include <cstdint>
#include <vector>

// The bytes of the complete XM file; the same on every call and every machine.
std::vector<uint8_t> composeSoundtrack();
