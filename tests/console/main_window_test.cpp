// The Console's main window as the user gets it: its controls, their layout when the window is
// resized, and the window's place and size kept from one run to the next.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "common/settings/window_placement.h"
#include "console/console_ids.h"
#include "console/console_test_fixture.h"
#include "console/running_console.h"
#include "support/ui/ui_helper.h"

namespace {

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    DialogRect rect;
};

// The main window's controls in creation order. The combo boxes' heights are those of their
// dropped lists; the default printer's label is checked elsewhere.
const ExpectedControl Controls[] = {
    {IDC_MAPPING_GROUP, "Button", "", {20, 55, 405, 150}},
    {IDC_NETWORK_BOX, "ComboBox", nullptr, {40, 80, 145, 35}},
    {IDC_PRINTER_BOX, "ComboBox", nullptr, {195, 80, 145, 40}},
    {IDC_ADD, "Button", "Add", {350, 80, 55, 15}},
    {IDC_REMOVE, "Button", "Remove", {350, 180, 55, 15}},
    {IDC_CANCEL, "Button", "Cancel", {350, 220, 55, 15}},
    {IDC_OK, "Button", "OK", {285, 220, 55, 15}},
    {IDC_CHANGE_DEFAULT,
     "Button",
     "Change Default Printer To Selected Printer",
     {35, 220, 145, 15}},
    {IDC_WINDOWS_MANAGES, "Button", "Let Windows manage printers", {20, 15, 165, 15}},
    {IDC_LUMIVO_MANAGES, "Button", "Let Lumivo Controller manage printers", {20, 40, 165, 10}},
    {IDC_MAPPING_LIST, "SysListView32", "Listview1", {40, 105, 365, 65}},
    {IDC_NETWORK_GROUP, "Button", "Select network", {35, 70, 155, 30}},
    {IDC_DEFAULT_PRINTER_GROUP, "Button", "Present Default Printer", {190, 15, 235, 30}},
    {IDC_DEFAULT_PRINTER, "Static", nullptr, {205, 28, 215, 10}},
    {IDC_PRINTER_GROUP, "Button", "Select printer", {190, 70, 155, 30}},
    {IDC_STATUS_BAR, "msctls_statusbar32", "", {}},
};

const int Stretched[] = {IDC_MAPPING_LIST, IDC_MAPPING_GROUP};
const int FollowingBottom[] = {IDC_REMOVE, IDC_CANCEL, IDC_OK, IDC_CHANGE_DEFAULT};
const int Staying[] = {IDC_ADD,           IDC_WINDOWS_MANAGES,       IDC_LUMIVO_MANAGES,
                       IDC_NETWORK_GROUP, IDC_DEFAULT_PRINTER_GROUP, IDC_DEFAULT_PRINTER,
                       IDC_PRINTER_GROUP};

// A combo box's place with its dropped list, in the main window's dialog units. Wine answers
// CB_GETDROPPEDCONTROLRECT with the height of the list alone, below the edit field and without
// the list's frame (2 pixels at 96 DPI, 4 at 144), so the height comes out up to one unit short
// at 100 % scale and up to two at 150 %.
DialogRect DroppedUnits(const RunningConsole& console, int id) {
    RECT dropped{};
    SendMessageA(console.Control(id), CB_GETDROPPEDCONTROLRECT, 0,
                 reinterpret_cast<LPARAM>(&dropped));
    RECT rect{};
    GetWindowRect(console.Control(id), &rect);
    MapWindowPoints(nullptr, console.Window(), reinterpret_cast<POINT*>(&rect), 2);
    rect.bottom += dropped.bottom - dropped.top;
    return DialogFont::MsSansSerif8().Units(rect);
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The main window's font, 8-point "MS Sans Serif", at a DPI.
HFONT DialogFontAt(int dpi) {
    LOGFONTA look{};
    look.lfHeight = -MulDiv(8, dpi, 72);
    look.lfWeight = FW_NORMAL;
    lstrcpyA(look.lfFaceName, "MS Sans Serif");
    return CreateFontIndirectA(&look);
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

using MainWindowTest = ConsoleTest;

TEST_F(MainWindowTest, ControlsStandAsCreated) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    std::vector<int> ids;
    for (const ExpectedControl& expected : Controls) {
        ids.push_back(expected.id);
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(console.ClassName(expected.id), expected.className);
        if (expected.text != nullptr) {
            EXPECT_EQ(console.Text(expected.id), expected.text);
        }
        if (expected.id == IDC_NETWORK_BOX || expected.id == IDC_PRINTER_BOX) {
            const DialogRect dropped = DroppedUnits(console, expected.id);
            EXPECT_EQ((DialogRect{dropped.x, dropped.y, dropped.width, expected.rect.height}),
                      expected.rect);
            EXPECT_NEAR(dropped.height, expected.rect.height, ScreenDpi() > 96 ? 2 : 1);
        } else if (expected.id != IDC_STATUS_BAR) {
            EXPECT_EQ(console.ControlUnits(expected.id), expected.rect);
        }
    }
    EXPECT_EQ(console.ControlIds(), ids);
    EXPECT_EQ(console.Caption().rfind("Lumivo Console - v1.19 - Windows", 0), 0u)
        << console.Caption();
}

TEST_F(MainWindowTest, ControlsHaveTheirStyles) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    for (const int box : {IDC_NETWORK_BOX, IDC_PRINTER_BOX}) {
        EXPECT_EQ(console.Style(box) & 0xF, CBS_DROPDOWN);
        EXPECT_TRUE(console.Style(box) & CBS_SORT);
        EXPECT_TRUE(console.Style(box) & WS_TABSTOP);
    }
    const LONG list = console.Style(IDC_MAPPING_LIST);
    EXPECT_EQ(list & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(list & (LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS),
              LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS);
    EXPECT_FALSE(list & (LVS_SORTASCENDING | LVS_SORTDESCENDING));
    const auto look =
        SendMessageA(console.Control(IDC_MAPPING_LIST), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(look & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
              LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(console.ColumnWidthUnits(0), 157);
    EXPECT_EQ(console.ColumnWidthUnits(1), 208);
    for (const int radio : {IDC_WINDOWS_MANAGES, IDC_LUMIVO_MANAGES}) {
        EXPECT_EQ(console.Style(radio) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    }
    for (const int button : {IDC_ADD, IDC_REMOVE, IDC_CANCEL, IDC_OK, IDC_CHANGE_DEFAULT}) {
        EXPECT_EQ(console.Style(button) & BS_TYPEMASK, BS_PUSHBUTTON) << button;
    }

    const LONG window = GetWindowLongA(console.Window(), GWL_STYLE);
    const LONG wanted = WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                        WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(window & wanted, wanted);
    const LONG extended = GetWindowLongA(console.Window(), GWL_EXSTYLE);
    EXPECT_EQ(extended & (WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE),
              WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE);
}

TEST_F(MainWindowTest, GrowingStretchesTheListAndMovesTheBottomButtonsOnly) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    std::map<int, DialogRect> before;
    for (const ExpectedControl& control : Controls) {
        before[control.id] = console.ControlUnits(control.id);
    }

    const RECT rect = WindowRect(console.Window());
    const DialogFont& font = DialogFont::MsSansSerif8();
    console.MoveWindowTo(rect.left, rect.top, rect.right - rect.left + font.PixelsX(40),
                         rect.bottom - rect.top + font.PixelsY(40));

    for (const int id : Stretched) {
        DialogRect grown = before[id];
        grown.width += 40;
        grown.height += 40;
        EXPECT_EQ(console.ControlUnits(id), grown) << id;
    }
    for (const int id : FollowingBottom) {
        DialogRect lower = before[id];
        lower.y += 40;
        EXPECT_EQ(console.ControlUnits(id), lower) << id;
    }
    for (const int id : Staying) {
        EXPECT_EQ(console.ControlUnits(id), before[id]) << id;
    }
    // The status bar keeps to the bottom edge.
    RECT client{};
    GetClientRect(console.Window(), &client);
    RECT status = WindowRect(console.Control(IDC_STATUS_BAR));
    MapWindowPoints(nullptr, console.Window(), reinterpret_cast<POINT*>(&status), 2);
    EXPECT_EQ(status.bottom, client.bottom);
}

TEST_F(MainWindowTest, ShrinkingBelowTheCreationSizeEmptiesTheListRatherThanInvertingIt) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    const RECT rect = WindowRect(console.Window());
    // As small as the system lets a captioned window become.
    console.MoveWindowTo(rect.left, rect.top, 20, 20);
    const DialogRect client = console.ClientUnits();
    ASSERT_LT(client.width, 441 - 365);
    ASSERT_LT(client.height, 282 - 150);

    EXPECT_EQ(console.ControlUnits(IDC_MAPPING_LIST), (DialogRect{40, 105, 0, 0}));
    const DialogRect group = console.ControlUnits(IDC_MAPPING_GROUP);
    EXPECT_EQ(group.height, 0);
    EXPECT_EQ(group.width, std::max(0, client.width - (441 - 405)));
    EXPECT_EQ(console.ControlUnits(IDC_ADD), (DialogRect{350, 80, 55, 15}));
}

TEST_F(MainWindowTest, FirstStartKeepsTheCreationSizeCentredInTheWorkArea) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    EXPECT_EQ(console.ClientUnits().width, 441);
    const RECT area = WorkArea();
    const RECT rect = WindowRect(console.Window());
    EXPECT_NEAR((rect.left + rect.right) / 2, (area.left + area.right) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, (area.top + area.bottom) / 2, 1);
}

TEST_F(MainWindowTest, CloseBoxStoresPlaceAndSizeAndTheNextStartUsesThem) {
    DialogRect stored;
    {
        RunningConsole console;
        ASSERT_NE(console.Window(), nullptr);
        // Larger than the creation size at any scale.
        console.MoveWindowTo(60, 40, MulDiv(820, ScreenDpi(), 96), MulDiv(600, ScreenDpi(), 96));
        stored = console.WindowUnits();
        ASSERT_TRUE(console.CloseWithCloseBox());
    }
    EXPECT_EQ(Setting("WLocX"), std::to_string(stored.x));
    EXPECT_EQ(Setting("WLocY"), std::to_string(stored.y));
    EXPECT_EQ(Setting("WWidth"), std::to_string(stored.width));
    EXPECT_EQ(Setting("WHeight"), std::to_string(stored.height));

    RunningConsole again;
    ASSERT_NE(again.Window(), nullptr);
    EXPECT_EQ(again.WindowUnits(), stored);
    // The restored size re-lays the controls as a resize by hand does.
    EXPECT_GT(again.ControlUnits(IDC_MAPPING_LIST).width, 365);
}

TEST_F(MainWindowTest, MinimisedOrMaximisedWindowStoresThePlaceItReturnsTo) {
    for (const int show : {SW_MINIMIZE, SW_MAXIMIZE}) {
        RunningConsole console;
        ASSERT_NE(console.Window(), nullptr);
        console.MoveWindowTo(100, 80, 700, 500);
        const DialogRect normal = console.WindowUnits();
        ShowWindowAsync(console.Window(), show);
        ASSERT_TRUE(ui::WaitUntil([&] {
            return show == SW_MINIMIZE ? IsIconic(console.Window()) : IsZoomed(console.Window());
        }));
        ASSERT_TRUE(console.CloseWithCloseBox());
        EXPECT_EQ(ReadWindowPlacement(registry_), normal) << show;
    }
}

TEST_F(MainWindowTest, StoredPlaceOffEveryScreenIsBroughtIntoView) {
    SaveWindowPlacement(registry_, DialogRect{-4000, 3000, 400, 250});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    const RECT area = WorkArea();
    const RECT rect = WindowRect(console.Window());
    EXPECT_GE(rect.left, area.left);
    EXPECT_LE(rect.bottom, area.bottom);
    EXPECT_EQ(console.WindowUnits().width, 400);
    EXPECT_EQ(console.WindowUnits().height, 250);
}

// The step of the test run at another DPI names it; the window tests then run at that scale.
TEST_F(MainWindowTest, ScreenIsAtTheDpiOfTheRun) {
    const char* wanted = std::getenv("LUMIVO_TEST_DPI");
    if (wanted == nullptr) {
        GTEST_SKIP() << "a run at the prefix's own DPI";
    }
    EXPECT_EQ(ScreenDpi(), std::atoi(wanted));
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    EXPECT_EQ(console.ClientUnits().width, 441);
}

TEST_F(MainWindowTest, NoControlClipsItsText) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    const HFONT font = DialogFontAt(ScreenDpi());
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    for (const int id : {IDC_ADD, IDC_REMOVE, IDC_CANCEL, IDC_OK, IDC_CHANGE_DEFAULT,
                         IDC_WINDOWS_MANAGES, IDC_LUMIVO_MANAGES, IDC_NETWORK_GROUP,
                         IDC_DEFAULT_PRINTER_GROUP, IDC_PRINTER_GROUP, IDC_DEFAULT_PRINTER}) {
        const std::string text = console.Text(id);
        SIZE extent{};
        GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &extent);
        RECT control{};
        GetClientRect(console.Control(id), &control);
        // Room beside the text: a push button's edges, a radio button's circle, a group box's
        // frame before and after its title.
        const LONG style = console.Style(id) & BS_TYPEMASK;
        int beside = 0;
        if (console.ClassName(id) == "Button") {
            beside = style == BS_AUTORADIOBUTTON ? GetSystemMetrics(SM_CXMENUCHECK) + 2
                     : style == BS_GROUPBOX      ? 2 * metrics.tmAveCharWidth
                                                 : 4 * GetSystemMetrics(SM_CXEDGE);
        }
        EXPECT_LE(extent.cx + beside, control.right) << id << " " << text;
        EXPECT_LE(metrics.tmHeight, control.bottom) << id << " " << text;
    }
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
}

TEST_F(MainWindowTest, ScreenOfAnotherScaleGivesTheSuggestedPlaceAndTheUnitsOfItsFont) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    std::map<int, DialogRect> before;
    for (const ExpectedControl& control : Controls) {
        before[control.id] = console.ControlUnits(control.id);
    }
    const DialogRect clientBefore = console.ClientUnits();
    const RECT rect = WindowRect(console.Window());
    const int dpi = ScreenDpi() * 5 / 4;
    const RECT suggested{20, 10, 20 + (rect.right - rect.left) * 5 / 4,
                         10 + (rect.bottom - rect.top) * 5 / 4};

    console.ChangeDpi(dpi, suggested);

    const RECT taken = WindowRect(console.Window());
    EXPECT_TRUE(EqualRect(&suggested, &taken));
    const DialogFont font = DialogFont::MsSansSerif8At(dpi);
    ASSERT_GT(font.baseY, DialogFont::MsSansSerif8().baseY);
    RECT clientPixels{};
    GetClientRect(console.Window(), &clientPixels);
    const DialogRect client = font.Units(clientPixels);
    const int grownX = client.width - clientBefore.width;
    const int grownY = client.height - clientBefore.height;
    for (const int id : Stretched) {
        DialogRect stretched = before[id];
        stretched.width += grownX;
        stretched.height += grownY;
        EXPECT_EQ(console.ControlUnits(id, font), stretched) << id;
    }
    for (const int id : FollowingBottom) {
        DialogRect lower = before[id];
        lower.y += grownY;
        EXPECT_EQ(console.ControlUnits(id, font), lower) << id;
    }
    for (const int id : Staying) {
        EXPECT_EQ(console.ControlUnits(id, font), before[id]) << id;
    }
    EXPECT_EQ(console.ColumnWidthUnits(0, font), 157);
    EXPECT_EQ(console.ColumnWidthUnits(1, font), 208);
}

}  // namespace
