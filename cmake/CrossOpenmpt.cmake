# libopenmpt for a target other than Linux, built from Debian's source package by
# scripts/build-libopenmpt.sh into a cache outside the repository, found there through pkg-config.
# tarvo_cross_openmpt(mingw|wasm) sets the cache path TARVO_MINGW_PREFIX or TARVO_WASM_PREFIX and
# makes PkgConfig::OPENMPT.
macro(tarvo_cross_openmpt target)
  string(TOUPPER ${target} prefix_name)
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(default_prefix $ENV{XDG_CACHE_HOME}/tarvo/${target})
  else()
    set(default_prefix $ENV{HOME}/.cache/tarvo/${target})
  endif()
  set(TARVO_${prefix_name}_PREFIX ${default_prefix} CACHE PATH "Where the ${target} build of libopenmpt is installed")
  set(openmpt_prefix ${TARVO_${prefix_name}_PREFIX})
  if(NOT EXISTS ${openmpt_prefix}/lib/pkgconfig/libopenmpt.pc)
    message(FATAL_ERROR "No ${target} build of libopenmpt in ${openmpt_prefix}: run scripts/build-libopenmpt.sh ${target}")
  endif()

  # pkg-config reads only the cache, and the libraries it names are found there, not re-rooted.
  find_package(PkgConfig REQUIRED)
  set(ENV{PKG_CONFIG_LIBDIR} ${openmpt_prefix}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  list(APPEND CMAKE_FIND_ROOT_PATH ${openmpt_prefix})
  pkg_check_modules(OPENMPT REQUIRED IMPORTED_TARGET libopenmpt)
  # The library is static: the system libraries its shared form would have linked come with it.
  set(openmpt_private_libraries ${OPENMPT_STATIC_LIBRARIES})
  list(REMOVE_ITEM openmpt_private_libraries ${OPENMPT_LIBRARIES})
  target_link_libraries(PkgConfig::OPENMPT INTERFACE ${openmpt_private_libraries})
endmacro()
