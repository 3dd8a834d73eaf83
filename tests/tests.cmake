enable_testing()

# The portable core's tests run twice: natively on the host (under the sanitizers when they are
# on) and, built with MinGW, under Wine against the real Windows functions.
lumivo_sources(LUMIVO_PORTABLE_TEST_SOURCES
    ${CMAKE_SOURCE_DIR}/tests/host/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/*.cpp)
add_executable(lumivo_portable_tests ${LUMIVO_PORTABLE_TEST_SOURCES})
target_include_directories(lumivo_portable_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(lumivo_portable_tests PRIVATE lumivo_core ${LUMIVO_PROGRAM_LIBRARIES}
    GTest::gmock_main)

if(NOT WIN32)
    include(GoogleTest)
    gtest_discover_tests(lumivo_portable_tests TEST_PREFIX "host." DISCOVERY_MODE PRE_TEST)
    if(LUMIVO_WINDOWS_TESTS)
        # The Windows build's tests join this run once that build exists.
        set(include_file ${CMAKE_BINARY_DIR}/windows-tests.cmake)
        file(WRITE ${include_file}
            "if(EXISTS \"${LUMIVO_WINDOWS_TESTS}\")\n  include(\"${LUMIVO_WINDOWS_TESTS}\")\nendif()\n")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
    endif()
    include(${CMAKE_SOURCE_DIR}/tests/bench/benchmarks.cmake OPTIONAL)
    return()
endif()

# Tests of the Win32 side: seams, programs and windows. They need Wine.
lumivo_sources(LUMIVO_WINE_TEST_SOURCES
    ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/*.cpp)
add_executable(lumivo_wine_tests ${LUMIVO_WINE_TEST_SOURCES})
target_include_directories(lumivo_wine_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(lumivo_wine_tests PRIVATE lumivo_core lumivo_ui_support GTest::gmock_main)

# One throwaway prefix per test run: created by the first test, shut down by the last. Tests that
# use it take a lock on it, because they share its registry, spooler and default printer.
set(LUMIVO_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/support/wine-run)
set(LUMIVO_WINE_ENVIRONMENT
    WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
    LUMIVO_BUILD_DIR=${CMAKE_BINARY_DIR}
    LUMIVO_SOURCE_DIR=${CMAKE_SOURCE_DIR})

add_test(NAME wine.prefix.create COMMAND ${LUMIVO_WINE_RUN} create)
add_test(NAME wine.prefix.shutdown COMMAND ${LUMIVO_WINE_RUN} shutdown)
set_tests_properties(wine.prefix.create PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(wine.prefix.shutdown PROPERTIES FIXTURES_CLEANUP wine_prefix)

# lumivo_wine_test(NAME COMMAND...): a test that runs under Wine in the run's prefix.
function(lumivo_wine_test name)
    add_test(NAME wine.${name} COMMAND ${LUMIVO_WINE_RUN} ${ARGN})
    set_tests_properties(wine.${name} PROPERTIES
        FIXTURES_REQUIRED wine_prefix
        RESOURCE_LOCK wine_prefix
        TIMEOUT 900)
endfunction()

lumivo_wine_test(portable_tests $<TARGET_FILE:lumivo_portable_tests>)
# The adapters' tests run in a network namespace of their own (tests/wine/programs.cmake).
lumivo_wine_test(win32_tests $<TARGET_FILE:lumivo_wine_tests> --gtest_filter=-NamespaceAdapters.*)

# Test-only Windows programs and DLLs (the scripted Network List Manager, probes, stand-ins) and
# the Wine tests that drive the real programs.
include(${CMAKE_SOURCE_DIR}/tests/support/probe/probe.cmake)
include(${CMAKE_SOURCE_DIR}/tests/support/support.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/tests/wine/programs.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/tests/console/console_tests.cmake)
include(${CMAKE_SOURCE_DIR}/tests/system/system_tests.cmake)
include(${CMAKE_SOURCE_DIR}/tests/release/release.cmake)

get_property(lumivo_all_tests DIRECTORY PROPERTY TESTS)
set_tests_properties(${lumivo_all_tests} PROPERTIES ENVIRONMENT "${LUMIVO_WINE_ENVIRONMENT}")
