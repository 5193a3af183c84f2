# The source lists, named once: the libraries and the test builds (plain and sanitized) share them.
set(ORL_MEMORY_PLATFORM_SOURCES
  ${CMAKE_SOURCE_DIR}/platform/memory/MemoryPlatform.cpp
  ${CMAKE_SOURCE_DIR}/platform/memory/WindowsPath.cpp
  ${CMAKE_SOURCE_DIR}/platform/memory/WindowsText.cpp)
set(ORL_WIN32_PLATFORM_SOURCES
  ${CMAKE_SOURCE_DIR}/platform/win32/Win32Platform.cpp)
set(ORL_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/core/Backup.cpp
  ${CMAKE_SOURCE_DIR}/core/Configure.cpp
  ${CMAKE_SOURCE_DIR}/core/DataSetComparison.cpp
  ${CMAKE_SOURCE_DIR}/core/InstallSettings.cpp
  ${CMAKE_SOURCE_DIR}/core/Integers.cpp
  ${CMAKE_SOURCE_DIR}/core/Locations.cpp
  ${CMAKE_SOURCE_DIR}/core/OutcomeReport.cpp
  ${CMAKE_SOURCE_DIR}/core/SettingsFile.cpp
  ${CMAKE_SOURCE_DIR}/core/Text.cpp)
