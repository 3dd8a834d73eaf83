# --- Probes of the process helpers and the version functions --------------------------------------
# Small programs that the Wine tests start as other processes: a single-instance contender, a
# starter, a program that leaves a mark that it ran, and a reporter of the Windows version. They
# live in their own folder, apart from the real programs.
set(LUMIVO_PROBE_DIR ${CMAKE_BINARY_DIR}/probes)
foreach(probe instance_probe start_probe marker_probe version_probe)
    add_executable(${probe} ${CMAKE_CURRENT_LIST_DIR}/probes/${probe}.cpp)
    target_link_libraries(${probe} PRIVATE lumivo_core)
    set_target_properties(${probe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LUMIVO_PROBE_DIR})
    add_dependencies(lumivo_wine_tests ${probe})
endforeach()
# --- End of the process and version probes --------------------------------------------------------
