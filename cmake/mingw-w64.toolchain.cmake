# Cross-builds the Windows program on Debian with MinGW-w64 (x86_64, POSIX thread model):
#   cmake --preset win64        (or: cmake -DCMAKE_TOOLCHAIN_FILE=<absolute path to this file>)
# The runtime is linked statically, so tbrwiz.exe needs only the DLLs that ship with Windows.
# Test programs run under Wine through scripts/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TBR_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TBR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TBR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TBR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TBR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
