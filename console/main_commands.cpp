#include "console/main_commands.h"

std::string ManagementOptionMessage(bool lumivoManages) {
    // The second text has always read "back onafter"; users know it that way.
    return lumivoManages
               ? "Your selection will not become effective until next time you log on after you "
                 "hit OK. If you want it to become effective now, please log off and then back "
                 "onafter you hit OK."
               : "Your selection will not become effective until next time you log on after you "
                 "hit OK. If you want it to become effective now, please log off and then back on "
                 "after you hit OK.";
}
