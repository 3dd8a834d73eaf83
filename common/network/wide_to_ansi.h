#pragma once

#include <string>

#include "common/platform/network_list.h"

// A zero-terminated wide text in the ANSI code page. The result is as long as the conversion
// makes it, so a name that needs more bytes than it has UTF-16 units (a multi-byte code page, a
// surrogate pair) converts whole and holds no NUL byte. A failed conversion gives the empty text.
std::string WideToAnsi(NetworkList& networks, const char16_t* text);
