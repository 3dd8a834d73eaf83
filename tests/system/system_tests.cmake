# Whole-system runs: the real Manager, tray program and Console installed side by side in one
# folder, on a virtual desktop under a virtual X screen, with scripted networks and the prefix's
# CUPS queues. They reuse the helpers of the program and Console tests.
lumivo_sources(LUMIVO_SYSTEM_TEST_SOURCES ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(lumivo_system_tests
    ${LUMIVO_SYSTEM_TEST_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/console/console_test_fixture.cpp
    ${CMAKE_SOURCE_DIR}/tests/console/running_console.cpp
    ${CMAKE_SOURCE_DIR}/tests/console/scripted_networks.cpp
    ${CMAKE_SOURCE_DIR}/tests/programs/program_desktop.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/english_texts.cpp)
target_include_directories(lumivo_system_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(lumivo_system_tests PRIVATE
    lumivo_core lumivo_ui_support comctl32 GTest::gmock_main)
add_dependencies(lumivo_system_tests
    lumivo_manager lumivo_tray lumivo_tray_short_watch lumivo_console lumivo_scripted_nlm)

# One scenario times five network switches until the printer follows; the whole run takes about
# a minute.
lumivo_wine_test(system --display $<TARGET_FILE:lumivo_system_tests>)
