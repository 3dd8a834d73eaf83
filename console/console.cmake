# "Lumivo Console.exe": the configuration program. Its decisions (layout maths, the mapping
# editor's commands, texts, geometry) are portable and tested on the host; the window code in
# win32/ wires them to Windows.
lumivo_sources(LUMIVO_CONSOLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER LUMIVO_CONSOLE_SOURCES EXCLUDE REGEX "/win32/")
add_library(lumivo_console_logic STATIC ${LUMIVO_CONSOLE_SOURCES})
target_link_libraries(lumivo_console_logic PUBLIC lumivo_core)
target_compile_definitions(lumivo_console_logic PRIVATE "LUMIVO_SITE_HOST=\"${LUMIVO_SITE_HOST}\"")
list(APPEND LUMIVO_PROGRAM_LIBRARIES lumivo_console_logic)

if(WIN32)
    lumivo_resource_script(${CMAKE_CURRENT_LIST_DIR}/console.rc)
    file(GLOB LUMIVO_CONSOLE_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/win32/*.cpp)
    add_executable(lumivo_console WIN32
        ${LUMIVO_CONSOLE_WIN32_SOURCES}
        ${CMAKE_CURRENT_LIST_DIR}/console.rc)
    set_target_properties(lumivo_console PROPERTIES OUTPUT_NAME "Lumivo Console")
    lumivo_program_manifest(lumivo_console Lumivo.Console "Lumivo Console" ${PROJECT_VERSION}.0.0
        COMMON_CONTROLS)
    target_link_libraries(lumivo_console PRIVATE lumivo_console_logic comctl32 gdi32 htmlhelp)
endif()
