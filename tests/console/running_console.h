#pragma once

#include <windows.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "common/settings/dialog_rect.h"
#include "support/ui/test_process.h"

// Drives a running "Lumivo Console.exe" from the test process, as a user would: its windows,
// controls and message boxes, through the UI test helper (support/ui). Both processes share one
// virtual desktop.

// GoogleTest shows a rectangle as {x, y, width, height}.
void PrintTo(const DialogRect& rect, std::ostream* out);

// Pixel <-> dialog unit conversions of 8-point "MS Sans Serif" dialogs, measured on a dialog of
// the test's own.
struct DialogFont {
    int baseX = 0;
    int baseY = 0;

    static const DialogFont& MsSansSerif8();
    // The same font at another DPI, measured as the dialog manager measures it.
    static DialogFont MsSansSerif8At(int dpi);

    int UnitsX(int pixels) const { return MulDiv(pixels, 4, baseX); }
    int UnitsY(int pixels) const { return MulDiv(pixels, 8, baseY); }
    int PixelsX(int units) const { return MulDiv(units, baseX, 4); }
    int PixelsY(int units) const { return MulDiv(units, baseY, 8); }
    DialogRect Units(const RECT& pixels) const;
};

// One row of the mapping list as it shows: both columns and the row's item data.
struct ListRow {
    std::string network;
    std::string printer;
    LPARAM itemData = 0;

    friend bool operator==(const ListRow&, const ListRow&) = default;
};

void PrintTo(const ListRow& row, std::ostream* out);

// "Lumivo Console.exe" in the test program's folder.
std::filesystem::path ConsoleProgram();

class RunningConsole {
public:
    // Starts the program on the named desktop (the test's when empty), with the arguments after
    // its name, and waits until it shows a window: its main window or a message box.
    explicit RunningConsole(const std::filesystem::path& program = ConsoleProgram(),
                            const std::string& desktop = {}, const std::string& arguments = {});
    // Takes over a Console that another program started and waits likewise.
    explicit RunningConsole(DWORD processId);
    RunningConsole(const RunningConsole&) = delete;
    RunningConsole& operator=(const RunningConsole&) = delete;

    // The main window, once it is shown; null when none appeared.
    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }

    std::string Caption() const;
    std::string Text(int id) const;
    std::string ClassName(int id) const;
    LONG Style(int id) const { return GetWindowLongA(Control(id), GWL_STYLE); }
    LONG ExStyle(int id) const { return GetWindowLongA(Control(id), GWL_EXSTYLE); }

    // A control's place within the main window's client area, in dialog units (of the font at
    // the test's DPI unless another is given).
    DialogRect ControlUnits(int id, const DialogFont& font = DialogFont::MsSansSerif8()) const;
    // The main window's client size, and its outer place and size, in dialog units.
    DialogRect ClientUnits() const;
    DialogRect WindowUnits() const;
    // The ids of the main window's controls in creation order.
    std::vector<int> ControlIds() const;

    // The items of a combo box in its order.
    std::vector<std::string> ComboItems(int id) const;

    std::vector<ListRow> Rows() const;
    int ColumnWidthUnits(int column, const DialogFont& font = DialogFont::MsSansSerif8()) const;
    // Selects row index (from 0) of the mapping list alone; -1 clears the selection.
    void SelectRow(int index) const;
    // The screen point in the middle of a row's first column.
    POINT RowPoint(int index) const;
    // Starts editing a row's network name in place; the edit field, or null.
    HWND EditRowLabel(int index) const;

    // Makes the main window the foreground window, which takes the user's input.
    bool BringToFront() const;

    // A click on a button that returns once the window has handled it.
    void Click(int id) const;
    // A click on a button that may open a message box; returns at once.
    void PostClick(int id) const;
    void SetText(int id, const std::string& text) const;
    // A menu command as the menu gives it; returns at once.
    void PostCommand(int id) const;

    // The window of the process other than the main window that is a dialog (a message box or
    // a list window), waited for.
    HWND WaitForDialog(DWORD timeoutMs = 10000) const { return WaitForMessageBox(timeoutMs); }
    // A message box of the process (a dialog other than the main window), waited for.
    HWND WaitForMessageBox(DWORD timeoutMs = 10000) const;

    // Changes the main window's outer place and size, in pixels.
    void MoveWindowTo(int x, int y, int width, int height) const;
    // Tells the main window, as Windows does when it moves to a screen of another scale, of the
    // new DPI and the outer rectangle suggested for it there.
    void ChangeDpi(int dpi, const RECT& suggested) const;

    // The close box, then the process's end; false when it did not end.
    bool CloseWithCloseBox();
    bool WaitForExit(DWORD timeoutMs = 15000) const;
    // The exit code once the process has ended, STILL_ACTIVE before.
    DWORD ExitCode() const { return process_.ExitCode(); }

    DWORD ProcessId() const { return process_.Id(); }

private:
    void WaitForFirstWindow();
    // A visible dialog of the process other than `except`.
    HWND FindDialog(HWND except) const;

    // Ended, if it still runs, when the object goes.
    ui::TestProcess process_;
    HWND window_ = nullptr;
};
