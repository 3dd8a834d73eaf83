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

# Test builds whose minute-long intervals are a few seconds or less, so that the tests of the
# network watch and of the Manager's polling need not wait real minutes. The whole-system test
# keeps the real minute.
set(LUMIVO_TEST_NETWORK_WATCH_MS 2000)
set(LUMIVO_TEST_NETWORK_POLL_MS 20)

# LMVTray.exe whose network watch ticks every LUMIVO_TEST_NETWORK_WATCH_MS.
add_executable(lumivo_tray_short_watch WIN32
    ${CMAKE_SOURCE_DIR}/tests/support/short_intervals/network_watch_interval.cpp
    ${CMAKE_SOURCE_DIR}/tray/win32/tray_main_win32.cpp
    ${CMAKE_SOURCE_DIR}/tray/tray.rc)
target_compile_definitions(lumivo_tray_short_watch PRIVATE
    LUMIVO_TEST_NETWORK_WATCH_MS=${LUMIVO_TEST_NETWORK_WATCH_MS})
target_link_libraries(lumivo_tray_short_watch PRIVATE lumivo_tray_logic)

# "Lumivo Manager.exe" that looks for a connected network every LUMIVO_TEST_NETWORK_POLL_MS.
add_executable(lumivo_manager_quick_poll WIN32
    ${CMAKE_SOURCE_DIR}/tests/support/short_intervals/network_poll_pause.cpp
    ${CMAKE_SOURCE_DIR}/manager/main_win32.cpp
    ${CMAKE_SOURCE_DIR}/manager/manager.rc)
target_compile_definitions(lumivo_manager_quick_poll PRIVATE
    LUMIVO_TEST_NETWORK_POLL_MS=${LUMIVO_TEST_NETWORK_POLL_MS})
target_link_libraries(lumivo_manager_quick_poll PRIVATE lumivo_manager_cycle)
target_compile_definitions(lumivo_wine_tests PRIVATE
    LUMIVO_TEST_NETWORK_POLL_MS=${LUMIVO_TEST_NETWORK_POLL_MS})
add_dependencies(lumivo_wine_tests lumivo_manager lumivo_manager_quick_poll)

lumivo_sources(LUMIVO_PROGRAM_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/programs/*.cpp)
add_executable(lumivo_program_tests ${LUMIVO_PROGRAM_TEST_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/wine/process_figures.cpp)
target_include_directories(lumivo_program_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_compile_definitions(lumivo_program_tests PRIVATE
    LUMIVO_TEST_UPDATE_PORT=${LUMIVO_TEST_UPDATE_PORT}
    LUMIVO_TEST_NETWORK_WATCH_MS=${LUMIVO_TEST_NETWORK_WATCH_MS})
target_link_libraries(lumivo_program_tests PRIVATE lumivo_core lumivo_ui_support GTest::gmock_main ws2_32)
add_dependencies(lumivo_program_tests lumivo_tray lumivo_tray_local_updates
    lumivo_tray_short_watch lumivo_standin lumivo_scripted_nlm)

lumivo_wine_test(tray_program --display $<TARGET_FILE:lumivo_program_tests>)
# The icon at 150 % scale (144 DPI): loaded at the small-icon size of that scale.
lumivo_wine_test(tray_icon_144dpi --dpi 144 --display $<TARGET_FILE:lumivo_program_tests>
    --gtest_filter=TrayResources.Icon*)
