# Warnings are errors in both toolchains; every target of ours links this.
add_library(lumivo_warnings INTERFACE)
target_compile_options(lumivo_warnings INTERFACE
    -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Wcast-qual -Wformat=2 -Wundef)

add_library(lumivo_sanitizers INTERFACE)
if(LUMIVO_SANITIZE AND NOT WIN32)
    target_compile_options(lumivo_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(lumivo_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
    enable_language(RC)
    # The Win32 headers pick the ANSI/wide forms explicitly in our code; Windows 8 is the floor.
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0602 WINVER=0x0602)
endif()
