# Test-only Windows targets. Included by tests/tests.cmake in the Windows build only.
include(${CMAKE_CURRENT_LIST_DIR}/ui/ui.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/standin/standin.cmake)
