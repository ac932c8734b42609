#pragma once
// Small drawings that exercise one part of OpenGL 1.1 each, written once (Drawings.inc) and
// compiled twice: against real OpenGL and GLU (namespace real) and against the fixed-function
// layer (namespace layer). Both lists hold the same drawings in the same order.
#include <vector>

struct Drawing {
    const char* name;
    void (*draw)();
};

// `batchDrawings`: the ones the layer's batches could spoil (BatchDrawings.inc).
namespace real {
extern const std::vector<Drawing> drawings;
extern const std::vector<Drawing> batchDrawings;
}
namespace layer {
extern const std::vector<Drawing> drawings;
extern const std::vector<Drawing> batchDrawings;
}
