#pragma once
// The fixed-function layer's state belongs to one GL context, as OpenGL's own does. A backend
// built with the layer creates a state with each context, makes it current right after making the
// context current, and deletes it with the context. The layer's GL objects (its program and
// buffers) are made in the context on first use and go with it.
namespace fixedgl {

struct State;

State* createState();
// nullptr: no state is current, and no fixed-function call may be made.
void makeStateCurrent(State* state);
void deleteState(State* state);

// Draws the primitives the current state holds back to draw together: the layer does before every
// GLES call of its own that changes how they would draw, or reads or covers what they drew (glFlush
// included). Code that reads the pixels with GLES directly calls it first.
void flushBatch();

}  // namespace fixedgl
