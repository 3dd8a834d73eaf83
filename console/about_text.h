#pragma once

#include <string>

#include "common/platform/registry.h"
#include "common/platform/version_queries.h"

// The About text: the main caption, an empty line, the Windows name with its build, the
// system's width ("  (64-bit)" or "  (32-bit)"), "Server" on server editions, and Microsoft's
// trademark notice. Lines are separated by CR alone, as message boxes show them.
//
// The notice stays UTF-16 up to the message box: the ANSI code pages of Japanese, Chinese, Korean
// and Thai Windows have no "®", so it must never pass through one.
struct AboutText {
    std::string ansiText;  // everything before the notice, in the ANSI code page
    std::u16string trademarkNotice;
};

AboutText ComposeAboutText(VersionQueries& versions, Registry& registry);

// Microsoft's notice, with its two registered signs (U+00AE), 140 characters.
inline constexpr char16_t TrademarkNotice[] =
    u"Microsoft\u00AE and Windows\u00AE are either registered trademarks or trademarks of "
    u"Microsoft Corporation in the United States and/or other countries.";
