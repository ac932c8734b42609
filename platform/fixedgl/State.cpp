#include "platform/fixedgl/State.h"

#include "platform/fixedgl/FixedGLContext.h"

namespace fixedgl {

namespace {

State* currentState = nullptr;

}  // namespace

State::State() {
    lights[0].diffuse = {1, 1, 1, 1};
    lights[0].specular = {1, 1, 1, 1};
}

bool State::boundTextureHasImage() const { return texturesWithImages.count(boundTexture) != 0; }

std::vector<Matrix>& State::currentStack() { return matrixMode == GL_PROJECTION ? projection : modelview; }

Matrix& State::currentMatrix() { return currentStack().back(); }

// With no context current OpenGL ignores calls; the layer lets them change a throw-away state
// that draws nothing.
State& current() {
    if (currentState != nullptr) return *currentState;
    static State* const detached = new State;
    *detached = State();
    detached->drawsNothing = true;
    return *detached;
}

void flushBatch() { current().renderer.flush(); }

State* createState() { return new State; }

void makeStateCurrent(State* state) { currentState = state; }

void deleteState(State* state) {
    if (state == currentState) currentState = nullptr;
    delete state;
}

}  // namespace fixedgl
