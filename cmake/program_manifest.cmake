# Every program carries a manifest that declares it aware of each monitor's scale (so Windows
# neither stretches its windows as bitmaps nor blurs its icon) and no list of supported Windows
# versions (so the plain version query answers 6.2 on every Windows from 8 on).
#
# lumivo_program_manifest(TARGET NAME DESCRIPTION VERSION [COMMON_CONTROLS]) writes TARGET.manifest
# into the current binary folder, where the target's resource script finds it by that name.
# COMMON_CONTROLS asks for version 6 of the common controls.
function(lumivo_program_manifest target name description version)
    set(LUMIVO_MANIFEST_NAME ${name})
    set(LUMIVO_MANIFEST_DESCRIPTION ${description})
    set(LUMIVO_MANIFEST_VERSION ${version})
    set(LUMIVO_MANIFEST_DEPENDENCIES "")
    if("COMMON_CONTROLS" IN_LIST ARGN)
        string(CONCAT LUMIVO_MANIFEST_DEPENDENCIES
            "\n  <dependency>\n    <dependentAssembly>\n"
            "      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" "
            "version=\"6.0.0.0\"\n"
            "                        processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" "
            "language=\"*\"/>\n"
            "    </dependentAssembly>\n  </dependency>")
    endif()
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    configure_file(${CMAKE_SOURCE_DIR}/common/resources/program.manifest.in ${manifest} @ONLY)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.rc$")
    # The build does not see the files a resource script embeds: the manifest, and the icon that
    # every program carries.
    set_property(SOURCE ${sources} APPEND PROPERTY
        OBJECT_DEPENDS ${manifest} ${CMAKE_SOURCE_DIR}/common/resources/lumivo.ico)
endfunction()
