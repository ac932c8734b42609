#pragma once
// Every GLES call the layer makes goes through FIXEDGL_GLES, which counts it, so that a benchmark
// can say how many calls and draws a frame costs: FIXEDGL_GLES(glDrawArrays)(mode, first, count).
#include <cstdint>

namespace fixedgl {

struct CallCounts {
    uint64_t calls = 0;  // GLES calls of every kind, draws included
    uint64_t draws = 0;  // glDrawArrays
};

namespace detail {
inline CallCounts counted;
}

// What the layer has called since the process started, over all contexts.
inline CallCounts callCounts() { return detail::counted; }

}  // namespace fixedgl

#define FIXEDGL_GLES(name) (++::fixedgl::detail::counted.calls, ::name)
