#pragma once

#include <string>

#include "common/platform/registry.h"
#include "common/platform/version_queries.h"

// The About text: the main caption, an empty line, the Windows name with its build, the
// system's width ("  (64-bit)" or "  (32-bit)"), "Server" on server editions, and Microsoft's
// trademark notice. Lines are separated by CR alone, as message boxes show them. UTF-8 up to the
// message box: the ANSI code pages of Japanese, Chinese, Korean and Thai Windows have no "®".
std::string ComposeAboutText(VersionQueries& versions, Registry& registry);
