#pragma once

#include <windows.h>

#include <vector>

// The About boxes (dialog 101) that the host has open. Each runs modally, with no owner, inside
// the host's message loop, which cannot return while a box is open; so the host ends every box
// before it ends itself, and an open box never keeps the program (and its mutex) alive.
class AboutBoxes {
public:
    // Shows an About box and returns when it closes. Only its "&OK" button or Enter closes it: it
    // has no system menu and ignores Escape, so several can stay open side by side.
    void Show();

    // Ends every open box; each Show then returns.
    void EndAll() const;

private:
    friend INT_PTR CALLBACK TrayAboutProc(HWND, UINT, WPARAM, LPARAM);
    std::vector<HWND> open_;
};

INT_PTR CALLBACK TrayAboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
