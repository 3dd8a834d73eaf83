# Benchmarks of the portable core against the fakes; built with the host build, run by hand
# (build/host/lumivo_benchmarks), not part of the tests.
find_package(benchmark REQUIRED)

add_executable(lumivo_benchmarks
    ${CMAKE_SOURCE_DIR}/tests/bench/name_list_bench.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/network_scenario.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/fakes/scripted_network_list.cpp)
target_include_directories(lumivo_benchmarks PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(lumivo_benchmarks PRIVATE lumivo_core benchmark::benchmark)
