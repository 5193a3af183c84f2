# The two programs: one source tree, the console build told apart by APP_CONSOLE alone.
add_library(orl_win32_front STATIC
  ${CMAKE_SOURCE_DIR}/console/Win32Display.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/Application.cpp)
target_include_directories(orl_win32_front PUBLIC ${CMAKE_SOURCE_DIR})

set(ORL_PROGRAM_SOURCES
  ${CMAKE_SOURCE_DIR}/console/ProgramEntry.cpp
  ${CMAKE_SOURCE_DIR}/console/resources/orlconfig.rc)
add_executable(orlconfig WIN32 ${ORL_PROGRAM_SOURCES})
add_executable(orlconfigc ${ORL_PROGRAM_SOURCES})
target_compile_definitions(orlconfigc PRIVATE APP_CONSOLE)
foreach(program orlconfig orlconfigc)
  target_link_libraries(${program} PRIVATE orl_win32_front orl_console orl_core orl_platform_win32 user32)
endforeach()
# windres reads the manifest beside the resource script: rebuild the resources when it changes.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/console/resources/orlconfig.rc APPEND PROPERTY
             OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/console/resources/orlconfig.manifest)
