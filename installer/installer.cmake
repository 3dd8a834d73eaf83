# The release package of a Windows build: package/ holds the programs, stripped of their symbols,
# and the help files; the per-user installers are built from it with NSIS and with wixl (an MSI
# package), both of which run on Linux.
find_program(LUMIVO_MAKENSIS makensis REQUIRED)
find_program(LUMIVO_WIXL wixl REQUIRED)

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

# The help files, one per language (help/help.cmake builds them), each under its own name.
foreach(help IN LISTS LUMIVO_HELP_FILES)
    get_filename_component(name ${help} NAME)
    set(packaged_help ${LUMIVO_PACKAGE_DIR}/${name})
    add_custom_command(
        OUTPUT ${packaged_help}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMIVO_PACKAGE_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${help} ${packaged_help}
        DEPENDS ${help}
        VERBATIM)
    list(APPEND lumivo_package_files ${packaged_help})
endforeach()

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

# The actions that end running programs before the files change and start the tray program
# again after them: custom actions of the MSI package, which the NSIS installer and uninstaller
# call too.
add_library(lumivo_end_programs_action SHARED
    ${CMAKE_CURRENT_LIST_DIR}/end_programs_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/end_manager_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/end_tray_program_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/session_processes_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/start_tray_program_win32.cpp)
set_target_properties(lumivo_end_programs_action PROPERTIES
    OUTPUT_NAME EndPrograms PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installer)
target_include_directories(lumivo_end_programs_action PRIVATE ${CMAKE_SOURCE_DIR})
# The package names the action's entry point undecorated; nothing here needs symbols.
target_link_options(lumivo_end_programs_action PRIVATE -Wl,--kill-at -s)
target_link_libraries(lumivo_end_programs_action PRIVATE lumivo_core)

set(script ${CMAKE_CURRENT_LIST_DIR}/lumivo.nsi)
file(GLOB languages CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/lang/*.nsh)
add_custom_command(
    OUTPUT ${LUMIVO_INSTALLER}
    COMMAND ${LUMIVO_MAKENSIS} -V2 -WX
        -DVERSION=${PROJECT_VERSION}
        -DARCH=${LUMIVO_ARCH}
        -DPAYLOAD=${payload_file}
        -DICON=${CMAKE_SOURCE_DIR}/common/resources/lumivo.ico
        -DOUTFILE=${LUMIVO_INSTALLER}
        -DEND_PROGRAMS=$<TARGET_FILE:lumivo_end_programs_action>
        -DSIGN=${CMAKE_SOURCE_DIR}/tools/sign
        ${script}
    DEPENDS ${script} ${languages} ${payload_file} ${lumivo_package_files}
        lumivo_end_programs_action ${CMAKE_SOURCE_DIR}/tools/sign
    COMMENT "Building the installer ${LUMIVO_INSTALLER}"
    VERBATIM)
add_custom_target(lumivo_installer ALL DEPENDS ${LUMIVO_INSTALLER})

# The MSI package: the same files from package/, listed for wixl in a component group of their
# own, and the action that ends running programs.
# wixl looks for source files relative to its working folder only.
set(LUMIVO_MSI_WORK_DIR ${CMAKE_BINARY_DIR}/installer)
set(payload "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">
  <Fragment>
    <ComponentGroup Id=\"Payload\" Directory=\"INSTALLDIR\">
")
foreach(file IN LISTS lumivo_package_files)
    get_filename_component(name ${file} NAME)
    string(MAKE_C_IDENTIFIER ${name} id)
    file(RELATIVE_PATH source ${LUMIVO_MSI_WORK_DIR} ${file})
    string(APPEND payload "      <Component Id=\"${id}\" Guid=\"*\">
        <File Id=\"${id}\" Name=\"${name}\" Source=\"${source}\" KeyPath=\"yes\" />
      </Component>
")
endforeach()
string(APPEND payload "    </ComponentGroup>
  </Fragment>
</Wix>
")
set(LUMIVO_MSI_PAYLOAD ${LUMIVO_MSI_WORK_DIR}/payload.wxs)
file(CONFIGURE OUTPUT ${LUMIVO_MSI_PAYLOAD} CONTENT "${payload}" @ONLY)
set(LUMIVO_MSI_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/lumivo.wxs)
# The MSI package speaks English alone: wixl has no localization files and builds no language
# transforms, and a Shortcut's description is plain text, which no property can switch. Its
# shortcut says what the NSIS installer's English one says.
set(english ${CMAKE_CURRENT_LIST_DIR}/lang/en.nsh)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${english})
file(STRINGS ${english} description REGEX "^LangString SHORTCUT_DESCRIPTION ")
string(REGEX REPLACE "^[^\"]*\"(.*)\"$" "\\1" LUMIVO_MSI_SHORTCUT_DESCRIPTION "${description}")
if(NOT LUMIVO_MSI_SHORTCUT_DESCRIPTION)
    message(FATAL_ERROR "Installer: ${english} sets no SHORTCUT_DESCRIPTION")
endif()

# lumivo_msi(OUTPUT VERSION): builds the MSI package of this build's programs as VERSION. The
# release has one, of the project's version; the install check makes a later one to upgrade to.
function(lumivo_msi output version)
    file(RELATIVE_PATH icon ${LUMIVO_MSI_WORK_DIR} ${CMAKE_SOURCE_DIR}/common/resources/lumivo.ico)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${LUMIVO_WIXL} --arch ${LUMIVO_ARCH}
            -D Version=${version}
            -D Platform=${LUMIVO_ARCH}
            -D Icon=${icon}
            -D EndProgramsHelper=$<TARGET_FILE_NAME:lumivo_end_programs_action>
            -D ShortcutDescription=${LUMIVO_MSI_SHORTCUT_DESCRIPTION}
            -o ${output}
            ${LUMIVO_MSI_SCRIPT} ${LUMIVO_MSI_PAYLOAD}
        WORKING_DIRECTORY ${LUMIVO_MSI_WORK_DIR}
        DEPENDS ${LUMIVO_MSI_SCRIPT} ${LUMIVO_MSI_PAYLOAD} ${lumivo_package_files}
            lumivo_end_programs_action
        COMMENT "Building the MSI package ${output}"
        VERBATIM)
endfunction()

set(LUMIVO_MSI ${CMAKE_BINARY_DIR}/Lumivo-${PROJECT_VERSION}-${LUMIVO_ARCH}.msi)
lumivo_msi(${LUMIVO_MSI} ${PROJECT_VERSION})
add_custom_target(lumivo_msi ALL DEPENDS ${LUMIVO_MSI})
