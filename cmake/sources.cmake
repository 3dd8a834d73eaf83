# Source files are picked up by folder. A file named *_win32.cpp, or any file in a folder named
# win32, holds Win32-only code and is built only for Windows; a file named *_host.cpp is its
# portable stand-in for the host build.
function(lumivo_sources out)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${ARGN})
    if(WIN32)
        list(FILTER found EXCLUDE REGEX "_host\\.cpp$")
    else()
        list(FILTER found EXCLUDE REGEX "(_win32\\.cpp|/win32/.*)$")
    endif()
    list(SORT found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()
