# The user's help, written as HTML and compiled with Free Pascal's chmcmd: "Lumivo.chm" from the
# English pages in help/, and "Lumivo.<language>.chm" from each translation in help/<language>/,
# whose pages share help/lumivo.css. The files land beside the programs, where the Console's
# "Contents" looks for them.
find_program(LUMIVO_CHMCMD chmcmd REQUIRED)

# lumivo_help(TARGET SOURCE_DIR FILE): compiles the help project of SOURCE_DIR into FILE.
function(lumivo_help target source_dir file)
    file(GLOB sources CONFIGURE_DEPENDS
        ${source_dir}/*.html ${source_dir}/*.hhc ${source_dir}/*.hhp)
    get_filename_component(name ${file} NAME)
    set(style_sheet ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/lumivo.css)
    set(compile ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/compile-help.cmake)
    add_custom_command(
        OUTPUT ${file}
        COMMAND ${CMAKE_COMMAND}
            -DCHMCMD=${LUMIVO_CHMCMD}
            -DSOURCE_DIR=${source_dir}
            -DSTYLE_SHEET=${style_sheet}
            -DWORK_DIR=${CMAKE_BINARY_DIR}/help/${target}
            -DOUTPUT=${file}
            -P ${compile}
        DEPENDS ${sources} ${style_sheet} ${compile}
        COMMENT "Compiling ${name}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${file})
endfunction()

set(LUMIVO_HELP_FILE ${CMAKE_BINARY_DIR}/Lumivo.chm)
lumivo_help(lumivo_help ${CMAKE_CURRENT_LIST_DIR} ${LUMIVO_HELP_FILE})

# Each folder that holds a help project is a translation, named by its language:
# LUMIVO_HELP_LANGUAGES lists them, and LUMIVO_HELP_FILE_<language> and
# LUMIVO_HELP_SOURCE_DIR_<language> name the compiled file and its pages. Building lumivo_help
# builds them all.
file(GLOB lumivo_help_projects CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*/lumivo.hhp)
set(LUMIVO_HELP_LANGUAGES)
foreach(project IN LISTS lumivo_help_projects)
    get_filename_component(source_dir ${project} DIRECTORY)
    get_filename_component(language ${source_dir} NAME)
    list(APPEND LUMIVO_HELP_LANGUAGES ${language})
    set(LUMIVO_HELP_SOURCE_DIR_${language} ${source_dir})
    set(LUMIVO_HELP_FILE_${language} ${CMAKE_BINARY_DIR}/Lumivo.${language}.chm)
    lumivo_help(lumivo_help_${language} ${source_dir} ${LUMIVO_HELP_FILE_${language}})
    add_dependencies(lumivo_help lumivo_help_${language})
endforeach()

# Every help file, English first: what the installers carry.
set(LUMIVO_HELP_FILES ${LUMIVO_HELP_FILE})
foreach(language IN LISTS LUMIVO_HELP_LANGUAGES)
    list(APPEND LUMIVO_HELP_FILES ${LUMIVO_HELP_FILE_${language}})
endforeach()
