# Cross build of quorlan-host32: a static 32-bit x86 Linux program (Debian's
# i686-linux-gnu cross compiler), run on this 64-bit machine with qemu-i386.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-linux-gnu)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
# Debian's multiarch folders for i386 packages (zlib1g-dev:i386 lives in
# /usr/lib/i386-linux-gnu); the cross compiler's own sysroot is /usr/${triple}.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
# Tests run the program through the emulator.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -cpu max)
