// Poses the Console for the screenshots of the README: starts it, opens what the pose names and
// saves that part of the screen as a bitmap file, then closes the Console.
//
//   console_pose main-window|help-menu|network-list|last-run BITMAP-FILE
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "console/console_ids.h"
#include "console/running_console.h"
#include "support/ui/ui_helper.h"

namespace {

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT Union(RECT a, const RECT& b) {
    UnionRect(&a, &a, &b);
    return a;
}

// Saves the screen rectangle, with a margin of desktop around it, as a 24-bit bitmap file.
bool SaveScreen(RECT rect, const char* path) {
    InflateRect(&rect, 12, 12);
    rect.left = std::max<LONG>(0, rect.left);
    rect.top = std::max<LONG>(0, rect.top);
    return ui::SaveScreenBitmap(rect, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: console_pose main-window|help-menu|network-list|last-run RECT-FILE\n",
                   stderr);
        return 2;
    }
    const std::string pose = argv[1];
    RunningConsole console;
    if (console.Window() == nullptr || !console.BringToFront()) {
        return 1;
    }
    RECT shown = ScreenRect(console.Window());
    if (pose == "help-menu") {
        ui::PressKey(VK_F10);
        ui::PressKey(VK_DOWN);
        const HWND menu = ui::WaitForPopupMenu();
        if (menu == nullptr) {
            return 1;
        }
        shown = Union(shown, ScreenRect(menu));
    } else if (pose == "network-list" || pose == "last-run") {
        console.PostCommand(pose == "network-list" ? IDM_KNOWN_NETWORKS : IDM_LAST_RUN);
        const HWND list = console.WaitForDialog();
        if (list == nullptr) {
            return 1;
        }
        shown = ScreenRect(list);
    }
    // Time to paint.
    Sleep(1000);
    return SaveScreen(shown, argv[2]) ? 0 : 1;
}
