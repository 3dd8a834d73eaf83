#pragma once

#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Helpers for tests that drive the programs' windows from another process under Wine: finding
// windows, reading and pressing message boxes and dialogs, sending commands and taking
// screenshots of the virtual X screen.
namespace ui {

using namespace std::chrono_literals;

// Polls the condition every 50 ms until it holds or the time is up; returns its last answer.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// A window's title or text as the window manager keeps it. Texts cross from other processes as
// UTF-16 (Wine hands some ANSI requests across processes without converting them) and become
// ANSI here.
std::string WindowText(HWND window);
std::wstring WindowWideText(HWND window);
std::string WindowClass(HWND window);
// A control's text as the control answers WM_GETTEXT now: for another process's controls
// GetWindowText gives the text they were created with.
std::string ControlText(HWND control);

// Top-level windows of the process in Z order; an empty class or title matches any.
std::vector<HWND> TopLevelWindows(DWORD processId, const std::string& className = {},
                                  const std::string& title = {});

// The first such window, or nullptr; the waiting form polls until one exists.
HWND FindTopLevelWindow(DWORD processId, const std::string& className = {},
                        const std::string& title = {});
HWND WaitForTopLevelWindow(DWORD processId, const std::string& className = {},
                           const std::string& title = {}, std::chrono::milliseconds timeout = 10s);

// True while the shell shows a notice beside a notification-area icon: Wine draws it as a
// visible tooltip window of the desktop's explorer.
bool IsNoticeShown();

// Message boxes and dialogs have the class "#32770".
inline constexpr char DialogClass[] = "#32770";
// Popup menus while they are open.
inline constexpr char MenuClass[] = "#32768";

// The message text of a message box.
std::string MessageBoxText(HWND box);
std::wstring MessageBoxWideText(HWND box);

// The items of a list box or of a combo box's list, in their order.
std::vector<std::string> ListBoxItems(HWND listBox);
std::vector<std::string> ComboBoxItems(HWND comboBox);

// The texts of a window's child controls in creation order, for message boxes and dialogs.
std::vector<std::string> ChildTexts(HWND window);

// Presses a button of a dialog or message box as a click would, by its id (IDOK, IDYES...).
void PressButton(HWND dialog, int buttonId);

// Posts WM_COMMAND with the command id, as a menu choice or an accelerator does.
void PostCommand(HWND window, int commandId);

// Mouse and keyboard input as the user gives it, through the desktop's input queue: the window
// under the point or with the focus receives it. Each returns after a moment for the receiving
// program to take it.
void ClickAt(int x, int y, bool rightButton = false);
// Moves the cursor and gives other processes time to see it there: Wine answers their
// GetCursorPos from the X pointer, which follows a moment later.
void MoveCursorTo(int x, int y);
void PressKey(WORD virtualKey);
// A key pressed while another (such as VK_SHIFT) is held down.
void PressKeyWith(WORD heldKey, WORD virtualKey);
// Types lower-case letters and digits.
void TypeText(const std::string& text);

// The popup menu that is open on the desktop, waited for; null when none opened.
HWND WaitForPopupMenu(std::chrono::milliseconds timeout = 10s);
// Clicks item index (from 0) of an open popup menu of itemCount items without separators.
void ChoosePopupMenuItem(HWND menu, int index, int itemCount);

// Whether the shell shows a notification-area icon with this owner window and identifier.
bool HasNotificationIcon(HWND owner, UINT id);

// Saves a part of the calling thread's desktop, in screen coordinates, as a 24-bit bitmap file.
bool SaveScreenBitmap(const RECT& area, const std::string& windowsPath);

// Saves a picture of the calling thread's desktop as a PNG file at a Unix path. The picture is
// taken through GDI; ImageMagick's convert, run as a Unix program from inside Wine, makes the
// PNG. (xwd started from inside Wine fails on the virtual desktop's X window.) Returns false on
// failure.
bool SaveScreenshot(const std::string& unixPath);

// The Windows form of a Unix path, through Wine's Z: drive, and the Unix form of a Windows path
// (empty when Wine cannot map it).
std::string WindowsPathOf(const std::string& unixPath);
std::string UnixPathOf(const std::string& windowsPath);

}  // namespace ui
