# Wine tests that drive the real "Lumivo Console.exe" on a virtual screen: the test program runs
# in Wine's virtual desktop under Xvfb and starts the Console there. Wine's desktop program does
# not hand on the test's exit code, so the test passes on GoogleTest's own verdict in its output.
file(GLOB LUMIVO_CONSOLE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(lumivo_console_tests
    ${LUMIVO_CONSOLE_TEST_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/wine/probe_programs.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/english_texts.cpp)
target_include_directories(lumivo_console_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(lumivo_console_tests PRIVATE
    lumivo_core lumivo_ui_support comctl32 GTest::gmock_main)
add_dependencies(lumivo_console_tests lumivo_console marker_probe)

# The print queues the Console offers in these tests; Wine lists the CUPS queues.
add_test(NAME console.printers COMMAND ${CMAKE_SOURCE_DIR}/tests/support/cups-printers
    Console_Inkjet Console_Laser Console_Plotter)
set_tests_properties(console.printers PROPERTIES FIXTURES_SETUP console_printers)

lumivo_wine_test(console.windows --display explorer /desktop=LumivoTests,1024x768
    $<TARGET_FILE:lumivo_console_tests> --gtest_filter=-Namespace*)
set_tests_properties(wine.console.windows PROPERTIES
    FIXTURES_REQUIRED "wine_prefix;console_printers"
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")

# The network box and Add with the adapters of a network namespace of the run's own.
lumivo_wine_test(console.ranges_in_namespace --netns
    --display explorer /desktop=LumivoTestsNs,1024x768
    $<TARGET_FILE:lumivo_console_tests> --gtest_filter=Namespace*)
set_tests_properties(wine.console.ranges_in_namespace PROPERTIES
    FIXTURES_REQUIRED "wine_prefix;console_printers"
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")

# The main window again on a screen at 150 % scale (144 DPI, 1.5 times as many pixels), the
# prefix's LogPixels set for this step alone: its controls, columns and texts in the units of
# the larger font.
lumivo_wine_test(console.windows_144dpi --dpi 144
    --display explorer /desktop=LumivoTests144,1536x1152
    $<TARGET_FILE:lumivo_console_tests> --gtest_filter=MainWindowTest.*)
set_tests_properties(wine.console.windows_144dpi PROPERTIES
    FIXTURES_REQUIRED "wine_prefix;console_printers"
    ENVIRONMENT_MODIFICATION "LUMIVO_TEST_DPI=set:144;LUMIVO_SCREEN=set:1536x1152"
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")

# Poses the Console for the README's screenshots (tools/console-screenshots); not a test.
add_executable(console_pose
    ${CMAKE_CURRENT_LIST_DIR}/pose/console_pose.cpp
    ${CMAKE_CURRENT_LIST_DIR}/running_console.cpp)
target_include_directories(console_pose PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(console_pose PRIVATE lumivo_core lumivo_ui_support comctl32)

# The Console in German, French and Spanish, one run each (tests/support/in-languages).
add_test(NAME wine.console.languages
    COMMAND ${CMAKE_SOURCE_DIR}/tests/support/in-languages ${LUMIVO_WINE_RUN}
        --display explorer /desktop=LumivoTestsLanguages,1024x768
        $<TARGET_FILE:lumivo_console_tests> --gtest_filter=ConsoleLanguage*)
set_tests_properties(wine.console.languages PROPERTIES
    FIXTURES_REQUIRED "wine_prefix;console_printers"
    RESOURCE_LOCK wine_prefix
    TIMEOUT 900)
