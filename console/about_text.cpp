#include "console/about_text.h"

#include "common/settings/windows_version.h"
#include "console/console_texts.h"

AboutText ComposeAboutText(VersionQueries& versions, Registry& registry) {
    std::string text = MainCaption(WindowsName(versions));
    text += "\r\r";
    text += WindowsNameWithBuild(versions, registry);
    text += Is64BitWindows(versions) ? "  (64-bit)" : "  (32-bit)";
    text += " ";
    // On a server edition the notice follows "Server" after a space, as it follows the width on
    // other editions.
    if (IsWindowsServer(versions)) {
        text += "Server ";
    }
    return {text, TrademarkNotice};
}
