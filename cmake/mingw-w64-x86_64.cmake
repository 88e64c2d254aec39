# Cross-builds kv310ctl, kv310 and their libraries for 64-bit Windows with Debian's MinGW-w64 (the posix
# thread model: the win32 one has no std::thread or std::mutex). Everything is linked statically, so the
# .exe runs without MinGW's DLLs beside it. The tests run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KV310_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KV310_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KV310_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KV310_MINGW_PREFIX}-windres)

# KV310_WINDOWS_QT: the static Qt of scripts/build-qt-windows, for the desktop program (searched like the
# MinGW libraries; Qt's own host tools come from QT_HOST_PATH). KV310_WINDOWS_YAML: the static yaml-cpp of
# scripts/build-yaml-windows.
set(CMAKE_FIND_ROOT_PATH /usr/${KV310_MINGW_PREFIX} ${KV310_WINDOWS_QT} ${KV310_WINDOWS_YAML})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# MinGW's own C99 printf family (%zu, %lld), and a quick optimisation level: the build must stay short, so
# configure it without a build type.
set(CMAKE_CXX_FLAGS_INIT "-O1 -D__USE_MINGW_ANSI_STDIO=1")
# No link time in the .exe's header: the same sources give the same bytes, and an unchanged program does not
# make the installer again.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")

find_program(KV310_WINE NAMES wine wine64)
if(KV310_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KV310_WINE})
endif()
