# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
# The static wxWidgets (wxMSW) and libpng builds that scripts/windows-deps.sh
# makes are found through FILTERDEMO_WX_PREFIX and FILTERDEMO_PNG_PREFIX (the
# `windows` preset takes them from the environment of the same names).
# SPDX-License-Identifier: MIT
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_doel x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_doel}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_doel}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_doel}-windres)

# Win64 keeps the stack 16-byte aligned, but GCC spills AVX registers to it
# with moves that demand 32 (GCC bug 54412): a crash on any processor with
# AVX2. Debian's MinGW compiler carries a patch against it, other toolchains
# do not; the assembler option makes every aligned vector move an unaligned
# one, which costs nothing on aligned data. scripts/windows.sh checks the
# executables for aligned moves to the stack.
set(CMAKE_C_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
set(CMAKE_CXX_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")

# try_compile projects read this file again; hand the prefixes on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FILTERDEMO_WX_PREFIX FILTERDEMO_PNG_PREFIX)

# Headers and libraries only from the Windows side: MinGW's own tree and the
# two cross-built prefixes (FindwxWidgets finds wx-config there too).
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_doel} ${FILTERDEMO_WX_PREFIX} ${FILTERDEMO_PNG_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# wx-config lives in the wx prefix, a program search that must stay inside it.
set(wxWidgets_CONFIG_EXECUTABLE ${FILTERDEMO_WX_PREFIX}/bin/wx-config)

# The Windows side has no package of its own for the header-only CLI11.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
