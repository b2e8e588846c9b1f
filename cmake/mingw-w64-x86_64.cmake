# Cross-compiles for 64-bit Windows with Debian's mingw-w64. The posix thread
# model is the one GoogleTest needs (std::mutex, std::thread).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(velmora_mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${velmora_mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${velmora_mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${velmora_mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${velmora_mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12.2 warns falsely with -Wrestrict when a short literal is assigned to a
# std::string at -O2 (GCC bug 105329, fixed in 12.3); Debian's mingw-w64 is 12.2.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# libgcc, libstdc++ and winpthread linked in, so the programs run under wine
# (or on a bare Windows) without the compiler's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(velmora_wine NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(velmora_wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${velmora_wine})
endif()
