# Cross-compiles the 64-bit Windows programs, kept building so that 64-bit faults (pointer
# truncation in window data, handle casts) show.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
