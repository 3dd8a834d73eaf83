#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace ui {

// A dialog as its resource template describes it, read from a program's file: what the resource
// compiler made of the resource script, before the dialog manager creates any window.
struct DialogControl {
    std::string className;  // "Button", "Edit", "Static", ... for the predefined classes
    std::string text;       // a resource name such as "LMV1" for icon statics
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    std::string menu;
    std::string className;
    std::string caption;
    int fontSize = 0;
    std::string fontName;
    std::vector<DialogControl> controls;
};

// Reads dialog resource `id` of the language of a module loaded with LoadLibraryExA(...,
// LOAD_LIBRARY_AS_DATAFILE) or of a running module. Handles both the plain and the extended
// template.
std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, int id,
                                                 WORD language = MAKELANGID(LANG_ENGLISH,
                                                                            SUBLANG_ENGLISH_US));

}  // namespace ui
