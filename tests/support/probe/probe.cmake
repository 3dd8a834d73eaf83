add_executable(lumivo_probe ${CMAKE_CURRENT_LIST_DIR}/probe.cpp)
set_target_properties(lumivo_probe PROPERTIES OUTPUT_NAME probe)
target_link_libraries(lumivo_probe PRIVATE lumivo_warnings winspool user32)
