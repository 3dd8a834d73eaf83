# Checks of what the Windows build ships: the packaged programs, the help file and the installer.
set(LUMIVO_CHECK_PACKAGE ${CMAKE_CURRENT_LIST_DIR}/check-package)
set(lumivo_packaged_exes)
foreach(program IN LISTS LUMIVO_PACKAGED_PROGRAMS)
    list(APPEND lumivo_packaged_exes ${LUMIVO_PACKAGE_DIR}/${program})
endforeach()

add_test(NAME release.executables
    COMMAND ${LUMIVO_CHECK_PACKAGE} executables ${CMAKE_OBJDUMP} ${lumivo_packaged_exes})
# The 32-bit build (preset windows-x86) has no tests of its own; its programs are checked here
# when it has been built.
set(lumivo_x86_package ${CMAKE_SOURCE_DIR}/build/windows-x86/package)
set(lumivo_x86_exes)
foreach(program IN LISTS LUMIVO_PACKAGED_PROGRAMS)
    list(APPEND lumivo_x86_exes ${lumivo_x86_package}/${program})
endforeach()
add_test(NAME release.executables_x86
    COMMAND ${LUMIVO_CHECK_PACKAGE} executables --skip-if-missing ${CMAKE_OBJDUMP}
        ${lumivo_x86_exes})
set_tests_properties(release.executables_x86 PROPERTIES SKIP_RETURN_CODE 77)
# The same checks on the programs as the MSI package carries them.
add_test(NAME release.msi COMMAND ${LUMIVO_CHECK_PACKAGE} msi ${CMAKE_OBJDUMP} ${LUMIVO_MSI})
# The release's signing, with a throwaway certificate, on what it signs: the programs, the custom
# action inside the MSI package, the installer and the MSI package.
add_test(NAME release.signing
    COMMAND ${LUMIVO_CHECK_PACKAGE} signing ${CMAKE_SOURCE_DIR}/tools/sign ${lumivo_packaged_exes}
        $<TARGET_FILE:lumivo_end_programs_action> ${LUMIVO_INSTALLER} ${LUMIVO_MSI})
add_test(NAME release.help
    COMMAND ${LUMIVO_CHECK_PACKAGE} help ${LUMIVO_PACKAGE_DIR}/Lumivo.chm ${CMAKE_SOURCE_DIR}/help)
foreach(language IN LISTS LUMIVO_HELP_LANGUAGES)
    add_test(NAME release.help.${language}
        COMMAND ${LUMIVO_CHECK_PACKAGE} help ${LUMIVO_HELP_FILE_${language}}
            ${LUMIVO_HELP_SOURCE_DIR_${language}})
endforeach()
# The German, French and Spanish texts, dialogs, menus, help, installer texts and policy texts
# against the English ones: the same names, the same placeholders, each file in each language.
add_test(NAME languages.consistent
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-languages ${CMAKE_SOURCE_DIR})

# The executables check itself, on programs that break its rules: one built against the MinGW
# runtime DLLs, the probe (no manifest, no icon, no version resource), the Wine test program (too
# large) and a renamed copy of the Manager.
set(lumivo_dynamic_probe ${CMAKE_BINARY_DIR}/release/dynamic_runtime_probe.exe)
add_custom_command(
    OUTPUT ${lumivo_dynamic_probe}
    COMMAND ${CMAKE_CXX_COMPILER} -Wall -Wextra -Werror -O2
        -o ${lumivo_dynamic_probe} ${CMAKE_CURRENT_LIST_DIR}/dynamic_runtime_probe.cpp
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/dynamic_runtime_probe.cpp
    VERBATIM)
add_custom_target(lumivo_dynamic_runtime_probe ALL DEPENDS ${lumivo_dynamic_probe})
set(lumivo_renamed_manager ${CMAKE_BINARY_DIR}/release/Renamed.exe)
add_custom_command(
    OUTPUT ${lumivo_renamed_manager}
    COMMAND ${CMAKE_COMMAND} -E copy "${LUMIVO_PACKAGE_DIR}/Lumivo Manager.exe"
        ${lumivo_renamed_manager}
    DEPENDS "${LUMIVO_PACKAGE_DIR}/Lumivo Manager.exe"
    VERBATIM)
add_custom_target(lumivo_renamed_manager ALL DEPENDS ${lumivo_renamed_manager})

function(lumivo_rejection_test name file expected)
    add_test(NAME release.rejects.${name}
        COMMAND ${LUMIVO_CHECK_PACKAGE} executables ${CMAKE_OBJDUMP} ${file})
    set_tests_properties(release.rejects.${name} PROPERTIES PASS_REGULAR_EXPRESSION "${expected}")
endfunction()
lumivo_rejection_test(foreign_dll ${lumivo_dynamic_probe}
    "REJECTED: dynamic_runtime_probe.exe: imports libstdc\\+\\+-6.dll, which is not part of Windows")
lumivo_rejection_test(missing_resources $<TARGET_FILE:lumivo_probe>
    "REJECTED: probe.exe: no manifest\nREJECTED: probe.exe: no icon\nREJECTED: probe.exe: no version resource")
lumivo_rejection_test(size $<TARGET_FILE:lumivo_wine_tests>
    "REJECTED: lumivo_wine_tests.exe: [0-9]+ bytes, not smaller than 2 MiB")
lumivo_rejection_test(version_name ${lumivo_renamed_manager}
    "REJECTED: Renamed.exe: its version resource names 'Lumivo Manager.exe' as the file")

# Silent installs and uninstalls in the run's prefix, on a virtual screen for the tray program: of
# the NSIS installer, and of the MSI package, which is also replaced by a rebuild of its version
# and upgraded by one of a later version.
math(EXPR lumivo_next_minor "${PROJECT_VERSION_MINOR} + 1")
set(lumivo_upgrade_version ${PROJECT_VERSION_MAJOR}.${lumivo_next_minor})
set(lumivo_upgrade_msi ${CMAKE_BINARY_DIR}/release/Lumivo-${lumivo_upgrade_version}-${LUMIVO_ARCH}.msi)
lumivo_msi(${lumivo_upgrade_msi} ${lumivo_upgrade_version})
add_custom_target(lumivo_upgrade_msi ALL DEPENDS ${lumivo_upgrade_msi})
# The same version built again: another ProductCode, as a fix-up rebuild would have.
set(lumivo_rebuilt_msi ${CMAKE_BINARY_DIR}/release/Lumivo-${PROJECT_VERSION}-rebuilt-${LUMIVO_ARCH}.msi)
lumivo_msi(${lumivo_rebuilt_msi} ${PROJECT_VERSION})
add_custom_target(lumivo_rebuilt_msi ALL DEPENDS ${lumivo_rebuilt_msi})
foreach(kind installer msi)
    if(kind STREQUAL msi)
        set(package --rebuilt ${lumivo_rebuilt_msi}
            --upgrade ${lumivo_upgrade_version} ${lumivo_upgrade_msi} ${PROJECT_VERSION} ${LUMIVO_MSI})
    else()
        set(package ${PROJECT_VERSION} ${LUMIVO_INSTALLER})
    endif()
    add_test(NAME wine.${kind}
        COMMAND xvfb-run -a -s "-screen 0 800x600x24"
            ${CMAKE_CURRENT_LIST_DIR}/install-check ${package}
            ${LUMIVO_PACKAGE_DIR} ${LUMIVO_PACKAGED_PROGRAMS})
    set_tests_properties(wine.${kind} PROPERTIES
        FIXTURES_REQUIRED wine_prefix
        RESOURCE_LOCK wine_prefix
        TIMEOUT 600)
endforeach()
