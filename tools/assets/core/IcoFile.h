#pragma once
// Windows icon output: one 32-bit image (BGRA with an AND mask) per size.
#include <cstdint>
#include <vector>

#include "Picture.h"

namespace assets {

std::vector<uint8_t> encodeIco(const std::vector<Picture>& images);

}  // namespace assets
