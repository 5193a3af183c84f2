# The two programs: one source tree, the console build told apart by APP_CONSOLE alone.
set(ORL_PROGRAM_SOURCES
  ${CMAKE_SOURCE_DIR}/console/ProgramEntry.cpp
  ${CMAKE_SOURCE_DIR}/console/resources/orlconfig.rc)

add_executable(orlconfig WIN32 ${ORL_PROGRAM_SOURCES})
add_executable(orlconfigc ${ORL_PROGRAM_SOURCES})
target_compile_definitions(orlconfigc PRIVATE APP_CONSOLE)
target_link_libraries(orlconfig PRIVATE orl_core orl_platform_win32)
target_link_libraries(orlconfigc PRIVATE orl_core orl_platform_win32)
# windres reads the manifest beside the resource script: rebuild the resources when it changes.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/console/resources/orlconfig.rc APPEND PROPERTY
             OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/console/resources/orlconfig.manifest)
