// Display lists: between glNewList and glEndList the layer's calls are kept as closures with their
// arguments, and glCallList runs them again in order.
#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

constexpr int maxNesting = 64;  // OpenGL's minimum for nested glCallList
int nesting = 0;

GLuint listNumber(GLenum type, const void* lists, GLsizei i) {
    switch (type) {
    case GL_UNSIGNED_BYTE: return static_cast<const GLubyte*>(lists)[i];
    case GL_BYTE: return static_cast<GLuint>(static_cast<const GLbyte*>(lists)[i]);
    case GL_UNSIGNED_SHORT: return static_cast<const GLushort*>(lists)[i];
    case GL_SHORT: return static_cast<GLuint>(static_cast<const GLshort*>(lists)[i]);
    case GL_UNSIGNED_INT: return static_cast<const GLuint*>(lists)[i];
    case GL_INT: return static_cast<GLuint>(static_cast<const GLint*>(lists)[i]);
    default: return 0;
    }
}

void run(GLuint list) {
    State& state = current();
    const auto found = state.displayLists.lists.find(list);
    if (found == state.displayLists.lists.end() || nesting >= maxNesting) return;
    ++nesting;
    // A copy: a list may delete or redefine itself while it runs.
    const std::vector<std::function<void()>> calls = found->second;
    for (const auto& call : calls) call();
    --nesting;
}

}  // namespace

bool compilingList() { return current().displayLists.compiling != 0 && nesting == 0; }

void record(std::function<void()> call) {
    DisplayLists& displayLists = current().displayLists;
    displayLists.lists[displayLists.compiling].push_back(call);
    if (!displayLists.executeWhileCompiling) return;
    // Compile and execute: the call runs now, with recording held off.
    ++nesting;
    call();
    --nesting;
}

GLuint glGenLists(GLsizei range) {
    if (range <= 0) return 0;
    auto& lists = current().displayLists.lists;
    // The first run of `range` unused numbers after the highest in use; each is an empty list.
    const GLuint first = lists.empty() ? 1 : lists.rbegin()->first + 1;
    for (GLsizei i = 0; i < range; ++i) lists[first + static_cast<GLuint>(i)];
    return first;
}

void glDeleteLists(GLuint list, GLsizei range) {
    auto& lists = current().displayLists.lists;
    for (GLsizei i = 0; i < range; ++i) lists.erase(list + static_cast<GLuint>(i));
}

void glNewList(GLuint list, GLenum mode) {
    DisplayLists& displayLists = current().displayLists;
    if (list == 0 || displayLists.compiling != 0) return;
    displayLists.compiling = list;
    displayLists.executeWhileCompiling = mode == GL_COMPILE_AND_EXECUTE;
    displayLists.lists[list].clear();
}

void glEndList() { current().displayLists.compiling = 0; }

void glCallList(GLuint list) {
    if (recordInList([=] { glCallList(list); })) return;
    run(list);
}

void glCallLists(GLsizei count, GLenum type, const void* lists) {
    const GLuint base = current().displayLists.base;
    for (GLsizei i = 0; i < count; ++i) glCallList(base + listNumber(type, lists, i));
}

void glListBase(GLuint base) { current().displayLists.base = base; }

}  // namespace fixedgl
