# Test-only Windows code, built with MinGW.

# The scripted Network List Manager: an in-process COM server that tests register in the Wine
# prefix in place of Wine's own (see prefix.d). Its exports keep their plain names (.def file).
add_library(lumivo_scripted_nlm SHARED
    ${CMAKE_SOURCE_DIR}/tests/support/scripted_nlm/scripted_nlm.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/scripted_nlm/scenario_file.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/scripted_nlm/scripted_nlm.def
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/network_scenario.cpp)
set_target_properties(lumivo_scripted_nlm PROPERTIES
    PREFIX ""
    OUTPUT_NAME scripted_nlm
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/support)
target_include_directories(lumivo_scripted_nlm PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(lumivo_scripted_nlm PRIVATE lumivo_warnings ole32 oleaut32 uuid)

# The prefix registers the DLL when it is made, so it must exist before the tests run.
add_dependencies(lumivo_wine_tests lumivo_scripted_nlm)
