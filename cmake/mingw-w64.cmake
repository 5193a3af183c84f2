# MinGW-w64 cross compilation for CMAKE_SYSTEM_PROCESSOR (i686 or x86_64), posix threads:
# GoogleTest needs std::mutex, which the win32-thread compilers lack.
set(CMAKE_SYSTEM_NAME Windows)
set(ORL_MINGW_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${ORL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No MinGW DLL is shipped: the programs import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Large-address-aware, as 64-bit programs are anyway: a 32-bit program may then use up to 4 GB
# on 64-bit Windows, not 2 GB.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--large-address-aware")
endif()
