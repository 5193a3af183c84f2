# The two programs: one source tree, the console build told apart by APP_CONSOLE alone.
add_library(orl_win32_front STATIC
  ${CMAKE_SOURCE_DIR}/console/Win32Display.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/Application.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/Fonts.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/FormControls.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/FormTables.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/Labels.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/ButtonText.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/ProgressWindow.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/SelectFolder.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/Win32Form.cpp)
target_include_directories(orl_win32_front PUBLIC ${CMAKE_SOURCE_DIR})

set(ORL_PROGRAM_SOURCES
  ${CMAKE_SOURCE_DIR}/app/ProgramEntry.cpp
  ${CMAKE_SOURCE_DIR}/app/resources/orlconfig.rc)
add_executable(orlconfig WIN32 ${ORL_PROGRAM_SOURCES})
add_executable(orlconfigc ${ORL_PROGRAM_SOURCES})
target_compile_definitions(orlconfigc PRIVATE APP_CONSOLE)
foreach(program orlconfig orlconfigc)
  target_link_libraries(${program} PRIVATE orl_win32_front orl_ui orl_console orl_front orl_core orl_platform_win32
                        user32 gdi32 comdlg32 comctl32 shell32 ole32)
endforeach()
# The manifest names the programs' processor architecture; windres finds it on the include path.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ORL_MANIFEST_ARCHITECTURE x86)
else()
  set(ORL_MANIFEST_ARCHITECTURE amd64)
endif()
set(ORL_MANIFEST ${CMAKE_BINARY_DIR}/resources/orlconfig.manifest)
configure_file(${CMAKE_SOURCE_DIR}/app/resources/orlconfig.manifest.in ${ORL_MANIFEST} @ONLY)
foreach(program orlconfig orlconfigc)
  target_include_directories(${program} PRIVATE ${CMAKE_BINARY_DIR}/resources)
endforeach()
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/resources/orlconfig.rc APPEND PROPERTY OBJECT_DEPENDS ${ORL_MANIFEST})
# The programs carry no symbol table and none of the debug information that comes with the static
# runtime libraries: nobody debugs a deployed copy with them, and the programs are half the size.
if(NOT MSVC)
  foreach(program orlconfig orlconfigc)
    target_link_options(${program} PRIVATE $<$<CONFIG:Release>:-s>)
  endforeach()
endif()
