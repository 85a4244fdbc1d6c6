# Cross-compiles for Windows x64 with MinGW-w64 and runs the results under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VT_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VT_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VT_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VT_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VT_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)   # never the build machine's own packages (GoogleTest)

# Programs run under Wine, through a wrapper that finds it (scripts/wine-path.sh) and keeps
# Wine's long-lived services off the caller's output pipe.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
