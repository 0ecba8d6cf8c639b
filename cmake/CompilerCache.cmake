# SPDX-License-Identifier: MIT
# Compiles through ccache when it is installed, so that a build in any folder reuses what a
# build of the same sources compiled elsewhere: a fresh clone in CI hits the cache that the
# developer's checkout filled.
find_program(CCACHE_PROGRAM ccache)
if(NOT CCACHE_PROGRAM)
  return()
endif()

# Paths under the checkout reach the compiler relative to the build folder, and the debug
# information names the checkout as ".", so neither the hash nor the object files hold the
# folder's own name. The precompiled headers are hashed by content, not by the time they
# were written.
set(CMAKE_CXX_COMPILER_LAUNCHER
  ${CMAKE_COMMAND} -E env
  CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
  CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  ${CCACHE_PROGRAM})
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
