# "Lumivo.chm": the user's help, written as HTML in help/ and compiled with Free Pascal's chmcmd.
# It lands beside the programs, where the Console's "Contents" looks for it.
find_program(LUMIVO_CHMCMD chmcmd REQUIRED)

file(GLOB LUMIVO_HELP_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/*.html
    ${CMAKE_CURRENT_LIST_DIR}/*.css
    ${CMAKE_CURRENT_LIST_DIR}/*.hhc
    ${CMAKE_CURRENT_LIST_DIR}/*.hhp)
set(LUMIVO_HELP_FILE ${CMAKE_BINARY_DIR}/Lumivo.chm)

add_custom_command(
    OUTPUT ${LUMIVO_HELP_FILE}
    COMMAND ${CMAKE_COMMAND}
        -DCHMCMD=${LUMIVO_CHMCMD}
        -DSOURCE_DIR=${CMAKE_CURRENT_LIST_DIR}
        -DWORK_DIR=${CMAKE_BINARY_DIR}/help
        -DOUTPUT=${LUMIVO_HELP_FILE}
        -P ${CMAKE_CURRENT_LIST_DIR}/compile-help.cmake
    DEPENDS ${LUMIVO_HELP_SOURCES} ${CMAKE_CURRENT_LIST_DIR}/compile-help.cmake
    COMMENT "Compiling Lumivo.chm"
    VERBATIM)
add_custom_target(lumivo_help ALL DEPENDS ${LUMIVO_HELP_FILE})
