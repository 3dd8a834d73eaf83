# Test-only Windows code, built with MinGW.

# The scripted Network List Manager: an in-process COM server that tests register in the Wine
# prefix in place of Wine's own (see prefix.d). Its exports keep their plain names (.def file).
add_library(lumivo_scripted_nlm SHARED
    ${CMAKE_SOURCE_DIR}/tests/support/scripted_nlm/scripted_nlm.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/scripted_nlm/scenario_file.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/scripted_nlm/scenario_watch.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/scripted_nlm/scripted_nlm.def
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/network_scenario.cpp)
set_target_properties(lumivo_scripted_nlm PROPERTIES
    PREFIX ""
    OUTPUT_NAME scripted_nlm
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/support)
target_include_directories(lumivo_scripted_nlm PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(lumivo_scripted_nlm PRIVATE lumivo_warnings ole32 oleaut32 uuid user32)

# The prefix registers the DLL when it is made, so it must exist before the tests run.
add_dependencies(lumivo_wine_tests lumivo_scripted_nlm)

# --- Probes of the process helpers and the version functions --------------------------------------
# Small programs that the Wine tests start as other processes: a single-instance contender, a
# starter, a program that leaves a mark that it ran, and a reporter of the Windows version. They
# live in their own folder, apart from the real programs.
set(LUMIVO_PROBE_DIR ${CMAKE_BINARY_DIR}/probes)
foreach(probe instance_probe start_probe marker_probe version_probe)
    add_executable(${probe} ${CMAKE_CURRENT_LIST_DIR}/probes/${probe}.cpp
        ${CMAKE_CURRENT_LIST_DIR}/fakes/english_texts.cpp)
    target_link_libraries(${probe} PRIVATE lumivo_core)
    set_target_properties(${probe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LUMIVO_PROBE_DIR})
    add_dependencies(lumivo_wine_tests ${probe})
endforeach()
# --- End of the process and version probes --------------------------------------------------------

# The UI test helper and the stand-in program that the Wine tests of the programs use.
include(${CMAKE_CURRENT_LIST_DIR}/ui/ui.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/standin/standin.cmake)
