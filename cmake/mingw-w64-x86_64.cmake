# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix-threads
# variant, whose libstdc++ has std::thread and the full <chrono>).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVOLO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVOLO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVOLO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVOLO_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARVOLO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime (libgcc, libstdc++, winpthread): every .exe runs alone,
# with no MinGW DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest and test discovery run the .exe files through Wine's 64-bit loader
# (the `wine` wrapper insists on a 32-bit Wine that a 64-bit build needs not).
find_program(TARVOLO_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(TARVOLO_WINE64 NAMES wine64 wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVOLO_WINE64})
