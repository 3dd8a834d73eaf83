# A program that records that it was started; tests copy it to where a program looks for the
# programs it starts.
add_executable(lumivo_standin WIN32 ${CMAKE_CURRENT_LIST_DIR}/standin.cpp)
target_link_libraries(lumivo_standin PRIVATE lumivo_warnings)
