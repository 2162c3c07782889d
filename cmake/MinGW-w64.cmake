# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64-posix), as scripts/windows-engine.sh does. The tests
# run under Wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSALINE_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix thread model: GCC 12's win32 model has no std::thread.
set(CMAKE_C_COMPILER ${TESSALINE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSALINE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSALINE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSALINE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables carry their runtime (libstdc++, libgcc, winpthread) inside, so
# they start on any Windows, and under Wine, without DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest and the test runner start the Windows executables through Wine.
find_program(TESSALINE_WINE NAMES wine wine64)
if(TESSALINE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TESSALINE_WINE})
endif()
