# Tests that drive the real programs under Wine, on a virtual desktop under a virtual X screen.

# The port of the local update server that test builds of the programs ask.
set(LUMIVO_TEST_UPDATE_PORT 47815)

# lumivo_test_build(TARGET LIBRARY DEFINITION REPLACEMENT SOURCE...): a program built again with
# REPLACEMENT linked before LIBRARY, so that its definitions take the place of the shipped ones;
# DEFINITION (NAME=VALUE) is what the replacement is given.
function(lumivo_test_build target library definition replacement)
    add_executable(${target} WIN32 ${replacement} ${ARGN})
    target_compile_definitions(${target} PRIVATE ${definition})
    target_link_libraries(${target} PRIVATE ${library})
endfunction()

set(LUMIVO_TRAY_PROGRAM_SOURCES
    ${CMAKE_SOURCE_DIR}/tray/win32/tray_main_win32.cpp ${CMAKE_SOURCE_DIR}/tray/tray.rc)

# LMVTray.exe whose update check asks the local server; nothing else differs.
lumivo_test_build(lumivo_tray_local_updates lumivo_tray_logic
    LUMIVO_TEST_UPDATE_PORT=${LUMIVO_TEST_UPDATE_PORT}
    ${CMAKE_SOURCE_DIR}/tests/support/local_updates/update_server_address.cpp
    ${LUMIVO_TRAY_PROGRAM_SOURCES})

# Test builds whose minute-long intervals are a few seconds or less, so that the tests of the
# network watch and of the Manager's polling need not wait real minutes. The whole-system test
# keeps the real minute.
set(LUMIVO_TEST_NETWORK_WATCH_MS 2000)
set(LUMIVO_TEST_NETWORK_POLL_MS 20)

# LMVTray.exe whose network watch ticks every LUMIVO_TEST_NETWORK_WATCH_MS.
lumivo_test_build(lumivo_tray_short_watch lumivo_tray_logic
    LUMIVO_TEST_NETWORK_WATCH_MS=${LUMIVO_TEST_NETWORK_WATCH_MS}
    ${CMAKE_SOURCE_DIR}/tests/support/short_intervals/network_watch_interval.cpp
    ${LUMIVO_TRAY_PROGRAM_SOURCES})

# "Lumivo Manager.exe" that looks for a connected network every LUMIVO_TEST_NETWORK_POLL_MS.
lumivo_test_build(lumivo_manager_quick_poll lumivo_manager_cycle
    LUMIVO_TEST_NETWORK_POLL_MS=${LUMIVO_TEST_NETWORK_POLL_MS}
    ${CMAKE_SOURCE_DIR}/tests/support/short_intervals/network_poll_pause.cpp
    ${CMAKE_SOURCE_DIR}/manager/main_win32.cpp ${CMAKE_SOURCE_DIR}/manager/manager.rc)
target_compile_definitions(lumivo_wine_tests PRIVATE
    LUMIVO_TEST_NETWORK_POLL_MS=${LUMIVO_TEST_NETWORK_POLL_MS})
add_dependencies(lumivo_wine_tests lumivo_manager lumivo_manager_quick_poll)

# "Lumivo Manager.exe" whose update check asks the local server.
lumivo_test_build(lumivo_manager_local_updates lumivo_manager_cycle
    LUMIVO_TEST_UPDATE_PORT=${LUMIVO_TEST_UPDATE_PORT}
    ${CMAKE_SOURCE_DIR}/tests/support/local_updates/update_server_address.cpp
    ${CMAKE_SOURCE_DIR}/manager/main_win32.cpp ${CMAKE_SOURCE_DIR}/manager/manager.rc)

lumivo_sources(LUMIVO_PROGRAM_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/programs/*.cpp)
add_executable(lumivo_program_tests ${LUMIVO_PROGRAM_TEST_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/wine/process_figures.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/english_texts.cpp)
target_include_directories(lumivo_program_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_compile_definitions(lumivo_program_tests PRIVATE
    LUMIVO_TEST_UPDATE_PORT=${LUMIVO_TEST_UPDATE_PORT}
    LUMIVO_TEST_NETWORK_WATCH_MS=${LUMIVO_TEST_NETWORK_WATCH_MS})
target_link_libraries(lumivo_program_tests PRIVATE lumivo_core lumivo_ui_support GTest::gmock_main ws2_32)
add_dependencies(lumivo_program_tests lumivo_tray lumivo_tray_local_updates lumivo_manager
    lumivo_manager_local_updates
    lumivo_tray_short_watch lumivo_standin lumivo_scripted_nlm)

lumivo_wine_test(tray_program --display $<TARGET_FILE:lumivo_program_tests>
    --gtest_filter=-Namespace*)
# A move between two ranges of one network name, inside a network namespace of the run's own.
lumivo_wine_test(tray_moves_in_namespace --netns --display $<TARGET_FILE:lumivo_program_tests>
    --gtest_filter=Namespace*)
# The icon at 150 % scale (144 DPI): loaded at the small-icon size of that scale.
lumivo_wine_test(tray_icon_144dpi --dpi 144 --display $<TARGET_FILE:lumivo_program_tests>
    --gtest_filter=TrayResources.Icon*)

# The adapters as Wine lists them inside a private network namespace that the run makes.
lumivo_wine_test(adapters_in_namespace --netns $<TARGET_FILE:lumivo_wine_tests>
    --gtest_filter=NamespaceAdapters.*)

# The Manager's record and notice and the tray program's menu and About box in German, French and
# Spanish, one run each (tests/support/in-languages).
add_test(NAME wine.manager.languages
    COMMAND ${CMAKE_SOURCE_DIR}/tests/support/in-languages ${LUMIVO_WINE_RUN}
        $<TARGET_FILE:lumivo_wine_tests> --gtest_filter=*InTheUsersLanguage)
add_test(NAME wine.tray.languages
    COMMAND ${CMAKE_SOURCE_DIR}/tests/support/in-languages ${LUMIVO_WINE_RUN} --display
        $<TARGET_FILE:lumivo_program_tests> --gtest_filter=*InTheUsersLanguage)
set_tests_properties(wine.manager.languages wine.tray.languages PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    RESOURCE_LOCK wine_prefix
    TIMEOUT 900)
