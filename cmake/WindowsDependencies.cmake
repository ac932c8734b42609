# The libraries of the Windows build: OpenGL 1.1 and GLU from Windows itself (opengl32, glu32)
# and libopenmpt, cross-built from Debian's source package by scripts/build-libopenmpt-mingw.sh
# into a cache outside the repository.
if(DEFINED ENV{XDG_CACHE_HOME})
  set(default_mingw_prefix $ENV{XDG_CACHE_HOME}/tarvo/mingw)
else()
  set(default_mingw_prefix $ENV{HOME}/.cache/tarvo/mingw)
endif()
set(TARVO_MINGW_PREFIX ${default_mingw_prefix} CACHE PATH "Where the cross-built libopenmpt is installed")
if(NOT EXISTS ${TARVO_MINGW_PREFIX}/lib/pkgconfig/libopenmpt.pc)
  message(FATAL_ERROR "No cross-built libopenmpt in ${TARVO_MINGW_PREFIX}: run scripts/build-libopenmpt-mingw.sh")
endif()

find_package(OpenGL REQUIRED)

# pkg-config reads only the cache, and the libraries it names are found there, not re-rooted.
find_package(PkgConfig REQUIRED)
set(ENV{PKG_CONFIG_LIBDIR} ${TARVO_MINGW_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
list(APPEND CMAKE_FIND_ROOT_PATH ${TARVO_MINGW_PREFIX})
pkg_check_modules(OPENMPT REQUIRED IMPORTED_TARGET libopenmpt)
# The library is static: the system libraries its DLL would have imported are linked with it.
set(openmpt_private_libraries ${OPENMPT_STATIC_LIBRARIES})
list(REMOVE_ITEM openmpt_private_libraries ${OPENMPT_LIBRARIES})
target_link_libraries(PkgConfig::OPENMPT INTERFACE ${openmpt_private_libraries})
