# The release package of a Windows build: package/ holds the programs, stripped of their symbols,
# and the help file; the per-user installer is built from it with NSIS (makensis runs on Linux).
find_program(LUMIVO_MAKENSIS makensis REQUIRED)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(LUMIVO_ARCH x64)
else()
    set(LUMIVO_ARCH x86)
endif()
set(LUMIVO_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
set(LUMIVO_INSTALLER ${CMAKE_BINARY_DIR}/Lumivo-${PROJECT_VERSION}-setup-${LUMIVO_ARCH}.exe)

# The three programs, found among this build's targets by their file names.
get_property(lumivo_targets DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
set(LUMIVO_PACKAGED_PROGRAMS)
set(lumivo_package_files)
foreach(program "Lumivo Manager" "Lumivo Console" "LMVTray")
    set(found)
    foreach(target IN LISTS lumivo_targets)
        get_target_property(output_name ${target} OUTPUT_NAME)
        if(output_name STREQUAL program)
            set(found ${target})
        endif()
    endforeach()
    if(NOT found)
        message(FATAL_ERROR "Installer: no target builds \"${program}.exe\"")
    endif()
    set(packaged ${LUMIVO_PACKAGE_DIR}/${program}.exe)
    add_custom_command(
        OUTPUT ${packaged}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMIVO_PACKAGE_DIR}
        COMMAND ${CMAKE_STRIP} --strip-all -o ${packaged} $<TARGET_FILE:${found}>
        DEPENDS ${found}
        VERBATIM)
    list(APPEND LUMIVO_PACKAGED_PROGRAMS "${program}.exe")
    list(APPEND lumivo_package_files ${packaged})
endforeach()

set(packaged_help ${LUMIVO_PACKAGE_DIR}/Lumivo.chm)
add_custom_command(
    OUTPUT ${packaged_help}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMIVO_PACKAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${LUMIVO_HELP_FILE} ${packaged_help}
    DEPENDS ${LUMIVO_HELP_FILE}
    VERBATIM)
list(APPEND lumivo_package_files ${packaged_help})

# The installer's list of files, for installing and for removing them again.
set(payload "!macro InstallPayload\n")
foreach(file IN LISTS lumivo_package_files)
    string(APPEND payload "    File \"${file}\"\n")
endforeach()
string(APPEND payload "!macroend\n!macro RemovePayload\n")
foreach(file IN LISTS lumivo_package_files)
    get_filename_component(name ${file} NAME)
    string(APPEND payload "    Delete \"$INSTDIR\\${name}\"\n")
endforeach()
string(APPEND payload "!macroend\n")
set(payload_file ${CMAKE_BINARY_DIR}/installer/payload.nsh)
file(CONFIGURE OUTPUT ${payload_file} CONTENT "${payload}" @ONLY)

set(script ${CMAKE_CURRENT_LIST_DIR}/lumivo.nsi)
add_custom_command(
    OUTPUT ${LUMIVO_INSTALLER}
    COMMAND ${LUMIVO_MAKENSIS} -V2 -WX
        -DVERSION=${PROJECT_VERSION}
        -DARCH=${LUMIVO_ARCH}
        -DPAYLOAD=${payload_file}
        -DICON=${CMAKE_SOURCE_DIR}/common/resources/lumivo.ico
        -DOUTFILE=${LUMIVO_INSTALLER}
        ${script}
    DEPENDS ${script} ${payload_file} ${lumivo_package_files}
    COMMENT "Building the installer ${LUMIVO_INSTALLER}"
    VERBATIM)
add_custom_target(lumivo_installer ALL DEPENDS ${LUMIVO_INSTALLER})
