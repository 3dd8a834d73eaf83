#pragma once

#include <string>

#include "common/platform/registry.h"
#include "common/platform/version_queries.h"

// The About text: the main caption, an empty line, the Windows name with its build, the
// system's width ("  (64-bit)" or "  (32-bit)"), "Server" on server editions, and Microsoft's
// trademark notice. Lines are separated by CR alone, as message boxes show them.
std::string ComposeAboutText(VersionQueries& versions, Registry& registry);

// The notice in the ANSI code page; "\xAE" is the registered sign.
extern const std::string TrademarkNotice;
