# SPDX-License-Identifier: GPL-3.0-or-later
# CMake toolchain for building Windows (x86-64) programs on Debian with
# MinGW-w64. The posix variant of the compiler is used because Qt needs
# std::thread and friends. Libraries and packages are looked for only under
# the MinGW sysroot and the prefixes given in CMAKE_PREFIX_PATH (the Windows
# Qt), never among the Linux ones.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
# The Windows Qt, once built; read from the environment so that CMake's
# try_compile projects see it too.
if(DEFINED ENV{MIREVA_WINDOWS_QT})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{MIREVA_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
