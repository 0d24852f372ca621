# Cross-compiles for Windows (x86_64) with MinGW-w64 (posix thread model, see README).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TARN_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TARN_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARN_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARN_TRIPLE}-windres)

# Libraries cross-built by scripts/bootstrap (PCRE2, GoogleTest) live in the build cache.
set(TARN_CROSS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../../build/cache/${TARN_TRIPLE}" CACHE PATH "cross-built dependencies")
set(CMAKE_FIND_ROOT_PATH /usr/${TARN_TRIPLE} ${TARN_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# This machine runs x86_64 Windows programs under wine64: tests run through this wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run")
