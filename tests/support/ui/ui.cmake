# The UI test helper: virtual desktops, programs under test, their windows, input, dialog
# templates and screenshots. Tests include it as "support/ui/...".
lumivo_sources(LUMIVO_UI_SUPPORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_library(lumivo_ui_support STATIC ${LUMIVO_UI_SUPPORT_SOURCES})
target_include_directories(lumivo_ui_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(lumivo_ui_support PUBLIC lumivo_warnings user32 gdi32 shell32)
