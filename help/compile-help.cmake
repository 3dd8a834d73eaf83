# cmake -P script: compiles the help project of SOURCE_DIR, with the shared STYLE_SHEET beside its
# pages, in WORK_DIR with CHMCMD and moves the result to OUTPUT. chmcmd reports a link to a
# missing page as a warning and still succeeds, so any warning fails the build here. The project's
# "Compiled file" must be OUTPUT's name.
file(REMOVE_RECURSE ${WORK_DIR})
# Only the project's own files: the translations in the folders below are projects of their own.
file(GLOB sources ${SOURCE_DIR}/*.html ${SOURCE_DIR}/*.hhc ${SOURCE_DIR}/*.hhp)
file(COPY ${sources} ${STYLE_SHEET} DESTINATION ${WORK_DIR})

execute_process(
    COMMAND ${CHMCMD} --html-scan --verbosity 1 lumivo.hhp
    WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
    RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error)")
    message(FATAL_ERROR "chmcmd failed on the help project of ${SOURCE_DIR}:\n${output}")
endif()
get_filename_component(name ${OUTPUT} NAME)
if(NOT EXISTS ${WORK_DIR}/${name})
    message(FATAL_ERROR "The help project of ${SOURCE_DIR} does not compile into ${name}")
endif()
file(RENAME ${WORK_DIR}/${name} ${OUTPUT})
