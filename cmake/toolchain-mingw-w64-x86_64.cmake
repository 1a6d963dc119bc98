# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the variant
# with POSIX threads, which std::thread and GoogleTest need):
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
#         -DPELIN_BUILD_BENCHMARKS=OFF -DPELIN_GTEST_SOURCE_DIR=/usr/src/googletest
# Programs are linked statically, so a built .exe runs on its own, and run
# under Wine when CTest starts them here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PELIN_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PELIN_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELIN_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${PELIN_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PELIN_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests run under Wine (cmake/wine-run.sh), in a prefix of the build's own.
set(PELIN_WINEPREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "Wine prefix the tests run in")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${PELIN_WINEPREFIX})
