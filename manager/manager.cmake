# "Lumivo Manager.exe": the windowless program that applies the mapping table. Its cycle is
# portable, so the host tests run it against fakes; the entry wires it to Windows.
lumivo_sources(LUMIVO_MANAGER_SOURCES ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER LUMIVO_MANAGER_SOURCES EXCLUDE REGEX "/main_win32\\.cpp$")
add_library(lumivo_manager_cycle STATIC ${LUMIVO_MANAGER_SOURCES})
target_link_libraries(lumivo_manager_cycle PUBLIC lumivo_core)
list(APPEND LUMIVO_PROGRAM_LIBRARIES lumivo_manager_cycle)

if(WIN32)
    lumivo_resource_script(${CMAKE_CURRENT_LIST_DIR}/manager.rc)
    add_executable(lumivo_manager WIN32
        ${CMAKE_CURRENT_LIST_DIR}/main_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/manager.rc)
    set_target_properties(lumivo_manager PROPERTIES OUTPUT_NAME "Lumivo Manager")
    lumivo_program_manifest(lumivo_manager Lumivo.Manager "Lumivo Manager" ${PROJECT_VERSION}.0.0)
    target_link_libraries(lumivo_manager PRIVATE lumivo_manager_cycle)
endif()
