# The libraries of the web build: WebGL 2 from the browser, drawn on through the project's own
# fixed-function layer (platform/fixedgl) instead of OpenGL 1.1 and GLU, and libopenmpt built for
# WebAssembly from Debian's source package by scripts/build-libopenmpt.sh wasm.
include(${CMAKE_CURRENT_LIST_DIR}/CrossOpenmpt.cmake)
tarvo_cross_openmpt(wasm)
