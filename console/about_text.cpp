#include "console/about_text.h"

#include "common/settings/windows_version.h"
#include "console/console_texts.h"
#include "common/text/texts.h"

std::string ComposeAboutText(VersionQueries& versions, Registry& registry) {
    std::string text = MainCaption(WindowsName(versions));
    text += "\r\r";
    text += WindowsNameWithBuild(versions, registry);
    text += Text(Is64BitWindows(versions) ? IDS_ABOUT_64_BIT : IDS_ABOUT_32_BIT);
    text += " ";
    // On a server edition the notice follows "Server" after a space, as it follows the width on
    // other editions.
    if (IsWindowsServer(versions)) {
        text += Text(IDS_ABOUT_SERVER);
    }
    return text + Text(IDS_TRADEMARK_NOTICE);
}
