# The libraries of the Windows build: OpenGL 1.1 and GLU from Windows itself (opengl32, glu32)
# and libopenmpt, cross-built from Debian's source package by scripts/build-libopenmpt.sh mingw.
find_package(OpenGL REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/CrossOpenmpt.cmake)
tarvo_cross_openmpt(mingw)
