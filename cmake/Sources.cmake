# The source lists, named once: the libraries and the test builds (plain and sanitized) share them.
set(ORL_MEMORY_PLATFORM_SOURCES
  ${CMAKE_SOURCE_DIR}/platform/memory/MemoryPlatform.cpp
  ${CMAKE_SOURCE_DIR}/platform/memory/WindowsPath.cpp
  ${CMAKE_SOURCE_DIR}/platform/memory/WindowsText.cpp)
set(ORL_WIN32_PLATFORM_SOURCES
  ${CMAKE_SOURCE_DIR}/platform/win32/Win32Platform.cpp)
