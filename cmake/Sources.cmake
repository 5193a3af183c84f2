# The source lists, named once: the libraries and the test builds (plain and sanitized) share them.
set(ORL_MEMORY_PLATFORM_SOURCES
  ${CMAKE_SOURCE_DIR}/platform/memory/MemoryPlatform.cpp
  ${CMAKE_SOURCE_DIR}/platform/memory/WindowsPath.cpp
  ${CMAKE_SOURCE_DIR}/platform/WindowsText.cpp)
# The what-if platform, over any other: part of the product.
set(ORL_WHATIF_PLATFORM_SOURCES
  ${CMAKE_SOURCE_DIR}/platform/WindowsText.cpp
  ${CMAKE_SOURCE_DIR}/platform/whatif/WhatIfPlatform.cpp)
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
# What both front ends share: the questions, the outcome display, the program's texts.
set(ORL_FRONT_SOURCES
  ${CMAKE_SOURCE_DIR}/front/LocationsToCompare.cpp
  ${CMAKE_SOURCE_DIR}/front/OutcomeDisplay.cpp
  ${CMAKE_SOURCE_DIR}/front/ProgramTexts.cpp
  ${CMAKE_SOURCE_DIR}/front/Questions.cpp)
set(ORL_CONSOLE_SOURCES
  ${CMAKE_SOURCE_DIR}/console/CommandLine.cpp
  ${CMAKE_SOURCE_DIR}/console/ConsoleRun.cpp
  ${CMAKE_SOURCE_DIR}/console/WhatIfReport.cpp
  ${ORL_WHATIF_PLATFORM_SOURCES})
set(ORL_UI_SOURCES
  ${CMAKE_SOURCE_DIR}/ui/FormView.cpp
  ${CMAKE_SOURCE_DIR}/ui/LongWork.cpp
  ${CMAKE_SOURCE_DIR}/ui/ORLConfigMain.cpp
  ${CMAKE_SOURCE_DIR}/ui/ORLConfigParamInfo.cpp
  ${CMAKE_SOURCE_DIR}/ui/ORLConfigRedirect.cpp)
