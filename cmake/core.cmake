# The code the three programs share: network detection, settings, services and the seams to the
# operating system with their Win32 implementations.
lumivo_sources(LUMIVO_CORE_SOURCES
    ${CMAKE_SOURCE_DIR}/common/text/*.cpp
    ${CMAKE_SOURCE_DIR}/common/network/*.cpp
    ${CMAKE_SOURCE_DIR}/common/settings/*.cpp
    ${CMAKE_SOURCE_DIR}/common/services/*.cpp
    ${CMAKE_SOURCE_DIR}/common/platform/*.cpp
    ${CMAKE_SOURCE_DIR}/common/platform/win32/*.cpp)

add_library(lumivo_core STATIC ${LUMIVO_CORE_SOURCES})
target_include_directories(lumivo_core PUBLIC ${CMAKE_SOURCE_DIR} ${LUMIVO_GENERATED_DIR})
target_link_libraries(lumivo_core PUBLIC lumivo_warnings lumivo_sanitizers)
if(WIN32)
    target_link_libraries(lumivo_core PUBLIC
        ole32 oleaut32 uuid advapi32 wininet winspool comdlg32 shell32 user32 ntdll iphlpapi)
endif()

# windres reports no included files, so each program's resource script is told what it includes:
# the string tables of every language (here) and the program's own dialogs and menus.
file(GLOB LUMIVO_TEXT_RESOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/common/resources/texts*.rc ${CMAKE_SOURCE_DIR}/common/resources/text_ids.h)
# lumivo_resource_script(SCRIPT): SCRIPT is built again when a file it includes changes.
function(lumivo_resource_script script)
    get_filename_component(folder ${script} DIRECTORY)
    file(GLOB own CONFIGURE_DEPENDS ${folder}/dialogs_*.rc ${folder}/*_ids.h ${folder}/*_resources.h)
    set_property(SOURCE ${script} APPEND PROPERTY OBJECT_DEPENDS ${LUMIVO_TEXT_RESOURCES} ${own})
endfunction()
