# "LMVTray.exe": the notification-area program. Its decisions are portable and run in the host
# tests against fakes; the host dialog, the icon and the entry are Win32.
lumivo_sources(LUMIVO_TRAY_SOURCES ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER LUMIVO_TRAY_SOURCES EXCLUDE REGEX "/tray_main_win32\\.cpp$")
add_library(lumivo_tray_logic STATIC ${LUMIVO_TRAY_SOURCES})
target_link_libraries(lumivo_tray_logic PUBLIC lumivo_core)
list(APPEND LUMIVO_PROGRAM_LIBRARIES lumivo_tray_logic)

if(WIN32)
    lumivo_resource_script(${CMAKE_CURRENT_LIST_DIR}/tray.rc)
    add_executable(lumivo_tray WIN32
        ${CMAKE_CURRENT_LIST_DIR}/win32/tray_main_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tray.rc)
    set_target_properties(lumivo_tray PROPERTIES OUTPUT_NAME "LMVTray")
    lumivo_program_manifest(lumivo_tray Lumivo.Tray "Lumivo Tray" ${LUMIVO_TRAY_VERSION}.0.0)
    target_link_libraries(lumivo_tray PRIVATE lumivo_tray_logic)
endif()
