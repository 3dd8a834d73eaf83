# The versions reach the code and the resource scripts through one generated header,
# lumivo_version.h, on the include path of everything that uses the core.
string(REPLACE "." ";" lumivo_tray_version_parts ${LUMIVO_TRAY_VERSION})
list(GET lumivo_tray_version_parts 0 LUMIVO_TRAY_VERSION_MAJOR)
list(GET lumivo_tray_version_parts 1 LUMIVO_TRAY_VERSION_MINOR)
set(LUMIVO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${LUMIVO_GENERATED_DIR}/lumivo_version.h @ONLY)
