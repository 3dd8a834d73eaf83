# Tests that drive the real programs under Wine, on a virtual desktop under a virtual X screen.

# The port of the local update server that test builds of the programs ask.
set(LUMIVO_TEST_UPDATE_PORT 47815)

# LMVTray.exe as a test build whose update check asks the local server; nothing else differs.
add_executable(lumivo_tray_local_updates WIN32
    ${CMAKE_SOURCE_DIR}/tests/support/local_updates/update_server_address.cpp
    ${CMAKE_SOURCE_DIR}/tray/win32/tray_main_win32.cpp
    ${CMAKE_SOURCE_DIR}/tray/tray.rc)
target_compile_definitions(lumivo_tray_local_updates PRIVATE
    LUMIVO_TEST_UPDATE_PORT=${LUMIVO_TEST_UPDATE_PORT})
target_link_libraries(lumivo_tray_local_updates PRIVATE lumivo_tray_logic)

lumivo_sources(LUMIVO_PROGRAM_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/programs/*.cpp)
add_executable(lumivo_program_tests ${LUMIVO_PROGRAM_TEST_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/wine/process_figures.cpp)
target_include_directories(lumivo_program_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_compile_definitions(lumivo_program_tests PRIVATE
    LUMIVO_TEST_UPDATE_PORT=${LUMIVO_TEST_UPDATE_PORT})
target_link_libraries(lumivo_program_tests PRIVATE lumivo_core lumivo_ui_support GTest::gmock_main ws2_32)
add_dependencies(lumivo_program_tests
    lumivo_tray lumivo_tray_local_updates lumivo_standin lumivo_scripted_nlm)

lumivo_wine_test(tray_program --display $<TARGET_FILE:lumivo_program_tests>
    --gtest_filter=TrayResources.*:TrayProgram.*:TrayDailyTimer.*)
# The icon at 150 % scale (144 DPI): loaded at the small-icon size of that scale.
lumivo_wine_test(tray_icon_144dpi --dpi 144 --display $<TARGET_FILE:lumivo_program_tests>
    --gtest_filter=TrayResources.Icon*)
# The real one-minute timer: about 70 seconds.
lumivo_wine_test(tray_program_minute --display $<TARGET_FILE:lumivo_program_tests>
    --gtest_filter=TrayMinuteTimer.*)
