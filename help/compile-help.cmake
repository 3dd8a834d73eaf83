# cmake -P script: compiles the help project of SOURCE_DIR in WORK_DIR with CHMCMD and moves the
# result to OUTPUT. chmcmd reports a link to a missing page as a warning and still succeeds, so
# any warning fails the build here.
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${WORK_DIR} FILES_MATCHING
    PATTERN "*.html" PATTERN "*.css" PATTERN "*.hhc" PATTERN "*.hhp")

execute_process(
    COMMAND ${CHMCMD} --html-scan --verbosity 1 lumivo.hhp
    WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
    RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error)")
    message(FATAL_ERROR "chmcmd failed on the help project:\n${output}")
endif()
file(RENAME ${WORK_DIR}/Lumivo.chm ${OUTPUT})
