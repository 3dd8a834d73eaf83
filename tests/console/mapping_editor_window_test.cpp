// The mapping editor in the running Console: the list shows the stored table, "Add" and "Remove"
// change it at once, and the default printer follows "Change Default Printer To Selected
// Printer" and the list's popup menu.
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <algorithm>

#include "common/settings/mapping_table.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "console/console_ids.h"
#include "console/console_test_fixture.h"
#include "console/running_console.h"
#include "console/scripted_networks.h"
#include "support/ui/ui_helper.h"

namespace {

using Rows = std::vector<ListRow>;
using Items = std::vector<std::string>;

// The network box's items without the ranges of this machine's adapters after the names.
Items NetworkNames(const RunningConsole& console) {
    Items items = console.ComboItems(IDC_NETWORK_BOX);
    while (!items.empty() && items.back().find('/') != std::string::npos) {
        items.pop_back();
    }
    return items;
}

std::string DefaultPrinter() {
    char name[512] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? name : "";
}

// The test's own process keeps the spooler loaded, so Wine does not reset the default printer
// when the Console loads it; the default found at the start is put back at the end.
class MappingEditorWindowTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        previousDefault_ = DefaultPrinter();
        ASSERT_TRUE(SetDefaultPrinterA("Console_Inkjet"));
    }
    void TearDown() override {
        SetDefaultPrinterA(previousDefault_.c_str());
        ConsoleTest::TearDown();
    }

    void Store(const std::vector<MappingEntry>& entries) {
        for (const MappingEntry& entry : entries) {
            AddMapping(registry_, entry.networkName, entry.printerName);
        }
    }

    std::vector<MappingEntry> Stored() {
        std::vector<MappingEntry> entries;
        for (int n = 1; n <= ReadMappingCount(registry_); ++n) {
            entries.push_back(ReadMapping(registry_, n));
        }
        return entries;
    }

    void Add(const RunningConsole& console, const std::string& network,
             const std::string& printer) {
        console.SetText(IDC_NETWORK_BOX, network);
        console.SetText(IDC_PRINTER_BOX, printer);
        console.Click(IDC_ADD);
    }

    std::string previousDefault_;
};

TEST_F(MappingEditorWindowTest, ListShowsTheStoredTableNumberedFromOne) {
    Store({{"Home", "Console_Inkjet"}, {"Office Wi-Fi", "Console_Laser"}, {"Lab", ""}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    EXPECT_EQ(console.Rows(), (Rows{{"Home", "Console_Inkjet", 1},
                                    {"Office Wi-Fi", "Console_Laser", 2},
                                    {"Lab", "", 3}}));
}

TEST_F(MappingEditorWindowTest, AddingAKnownNetworkAgainReplacesItsPrinter) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    Add(console, "Office", "Console_Laser");
    Add(console, "Home", "Console_Inkjet");
    Add(console, "  Office ", "Console_Plotter");

    const std::vector<MappingEntry> expected{{"Office", "Console_Plotter"},
                                             {"Home", "Console_Inkjet"}};
    EXPECT_EQ(Stored(), expected);
    EXPECT_EQ(console.Rows(),
              (Rows{{"Office", "Console_Plotter", 1}, {"Home", "Console_Inkjet", 2}}));
}

TEST_F(MappingEditorWindowTest, NamesDifferingInCaseAreTwoEntries) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    Add(console, "Office", "Console_Laser");
    Add(console, "OFFICE", "Console_Inkjet");

    EXPECT_EQ(console.Rows(),
              (Rows{{"Office", "Console_Laser", 1}, {"OFFICE", "Console_Inkjet", 2}}));
    EXPECT_EQ(ReadMappingCount(registry_), 2);
}

TEST_F(MappingEditorWindowTest, RemovingTheSecondOfFourRowsKeepsTheOldOrder) {
    Store({{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    console.SelectRow(1);
    console.Click(IDC_REMOVE);

    EXPECT_EQ(console.Rows(), (Rows{{"A", "1", 1}, {"C", "3", 2}, {"D", "4", 3}}));
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"A", "1"}, {"C", "3"}, {"D", "4"}}));
}

// Two Consoles show Home, Office and Lab: one removes Home, the other then Office, which has
// moved up a place since; the first, still showing Office, then removes it too.
TEST_F(MappingEditorWindowTest, TwoConsolesRemoveTheRowsTheyShow) {
    Store({{"Home", "1"}, {"Office", "2"}, {"Lab", "3"}});
    RunningConsole first;
    RunningConsole second;
    ASSERT_NE(first.Window(), nullptr);
    ASSERT_NE(second.Window(), nullptr);

    first.SelectRow(-1);
    first.Click(IDC_REMOVE);
    EXPECT_EQ(Stored().size(), 3u) << "no row selected";
    first.SelectRow(0);
    first.Click(IDC_REMOVE);
    second.SelectRow(1);
    second.Click(IDC_REMOVE);
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"Lab", "3"}}));

    first.SelectRow(0);
    first.PostClick(IDC_REMOVE);
    const HWND box = first.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(ui::MessageBoxText(box).find("changed or removed this row"), std::string::npos);
    ui::PressButton(box, IDOK);
    EXPECT_TRUE(ui::WaitUntil([&] { return first.Rows() == Rows{{"Lab", "3", 1}}; }));
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"Lab", "3"}}));
}

// A count that a deployment tool stored as a number: Add appends after the entries it counts.
TEST_F(MappingEditorWindowTest, AddAfterACountStoredAsANumberKeepsEveryEntry) {
    Store({{"Home", "1"}, {"Office", "2"}, {"Lab", "3"}});
    WriteRegistryDword(registry_, SettingsKeyPath, NumberofNetworksValueName, 3);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    EXPECT_EQ(console.Rows().size(), 3u);

    Add(console, "Cafe", "4");
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{
                            {"Home", "1"}, {"Office", "2"}, {"Lab", "3"}, {"Cafe", "4"}}));
}

TEST_F(MappingEditorWindowTest, NamesTypedIntoTheListAreDiscarded) {
    Store({{"Home", "Console_Inkjet"}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    const HWND edit = console.EditRowLabel(0);
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "Renamed");
    ui::PressKey(VK_RETURN);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(edit); }));

    EXPECT_EQ(console.Rows(), (Rows{{"Home", "Console_Inkjet", 1}}));
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"Home", "Console_Inkjet"}}));
}

TEST_F(MappingEditorWindowTest, NetworkBoxOffersTheKnownNamesSplitAtCommasSorted) {
    const ScriptedNetworks networks({{"Office Wi-Fi"}, {"Cafe, Upstairs"}, {"Home"}, {"Attic"}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    EXPECT_EQ(NetworkNames(console), (Items{"Attic", "Cafe", "Home", "Office Wi-Fi", "Upstairs"}));
    EXPECT_EQ(console.Text(IDC_NETWORK_BOX), "Attic");
}

TEST_F(MappingEditorWindowTest, WithNoKnownNetworkAddStoresAnEmptyNetworkName) {
    const ScriptedNetworks none({});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    EXPECT_EQ(NetworkNames(console), Items{""});
    EXPECT_EQ(console.Text(IDC_NETWORK_BOX), "");

    console.SetText(IDC_PRINTER_BOX, "Console_Laser");
    console.Click(IDC_ADD);

    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"", "Console_Laser"}}));
}

TEST_F(MappingEditorWindowTest, PrinterBoxOffersTheSpoolersPrintersSortedFirstOneChosen) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    const std::vector<std::string> printers = console.ComboItems(IDC_PRINTER_BOX);
    for (const char* queue : {"Console_Inkjet", "Console_Laser", "Console_Plotter"}) {
        EXPECT_NE(std::find(printers.begin(), printers.end(), queue), printers.end()) << queue;
    }
    EXPECT_TRUE(std::is_sorted(printers.begin(), printers.end(),
                               [](const std::string& a, const std::string& b) {
                                   return lstrcmpiA(a.c_str(), b.c_str()) < 0;
                               }));
    ASSERT_FALSE(printers.empty());
    EXPECT_EQ(console.Text(IDC_PRINTER_BOX), printers.front());
}

TEST_F(MappingEditorWindowTest, ChangeDefaultPrinterMakesTheBoxPrinterTheDefault) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    EXPECT_EQ(console.Text(IDC_DEFAULT_PRINTER), "Console_Inkjet");

    console.SetText(IDC_PRINTER_BOX, "Console_Plotter");
    console.PostClick(IDC_CHANGE_DEFAULT);

    EXPECT_TRUE(
        ui::WaitUntil([&] { return console.Text(IDC_DEFAULT_PRINTER) == "Console_Plotter"; }));
    EXPECT_EQ(DefaultPrinter(), "Console_Plotter");
    EXPECT_EQ(console.WaitForDialog(500), nullptr);
}

TEST_F(MappingEditorWindowTest, ANameThatIsNoPrinterLeavesTheDefaultAndSaysWhy) {
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);

    for (const std::string& name : {std::string(300, 'P'), std::string("No such printer")}) {
        console.SetText(IDC_PRINTER_BOX, name);
        console.PostClick(IDC_CHANGE_DEFAULT);
        const HWND box = console.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ui::MessageBoxText(box), "Lumivo could not make " + name.substr(0, 255) +
                                               " your default printer: no printer of that name "
                                               "is installed.");
        EXPECT_EQ(ui::WindowText(box), console.Caption());
        ui::PressButton(box, IDOK);
        ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(box); }));
    }
    EXPECT_EQ(DefaultPrinter(), "Console_Inkjet");
    EXPECT_EQ(console.Text(IDC_DEFAULT_PRINTER), "Console_Inkjet");
}

TEST_F(MappingEditorWindowTest, SetToDefaultInARowsPopupMenuUsesThePrinterBox) {
    Store({{"Home", "Console_Inkjet"}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    console.SetText(IDC_PRINTER_BOX, "Console_Laser");

    ASSERT_TRUE(console.BringToFront());
    const POINT row = console.RowPoint(0);
    ui::ClickAt(row.x, row.y, true);
    const HWND menu = ui::WaitForPopupMenu();
    ASSERT_NE(menu, nullptr);
    ui::ChoosePopupMenuItem(menu, 0, 2);

    EXPECT_TRUE(ui::WaitUntil([] { return DefaultPrinter() == "Console_Laser"; }));
    EXPECT_TRUE(
        ui::WaitUntil([&] { return console.Text(IDC_DEFAULT_PRINTER) == "Console_Laser"; }));
    EXPECT_EQ(console.Rows(), (Rows{{"Home", "Console_Inkjet", 1}}));
}

TEST_F(MappingEditorWindowTest, RemoveInTheRightClickedRowsPopupMenuRemovesThatRow) {
    Store({{"A", "1"}, {"B", "2"}, {"C", "3"}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    console.SelectRow(0);

    ASSERT_TRUE(console.BringToFront());
    const POINT row = console.RowPoint(2);
    ui::ClickAt(row.x, row.y, true);
    const HWND menu = ui::WaitForPopupMenu();
    ASSERT_NE(menu, nullptr);
    ui::ChoosePopupMenuItem(menu, 1, 2);

    EXPECT_TRUE(ui::WaitUntil([&] { return ReadMappingCount(registry_) == 2; }));
    EXPECT_TRUE(ui::WaitUntil([&] { return console.Rows().size() == 2; }));
    EXPECT_EQ(console.Rows(), (Rows{{"A", "1", 1}, {"B", "2", 2}}));
}

TEST_F(MappingEditorWindowTest, KeyboardOpensTheListMenuAtTheSelectedRowOrTheListsCorner) {
    Store({{"A", "1"}, {"B", "2"}, {"C", "3"}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    ASSERT_TRUE(console.BringToFront());
    const POINT clicked = console.RowPoint(1);
    ui::ClickAt(clicked.x, clicked.y);

    ui::PressKeyWith(VK_SHIFT, VK_F10);
    HWND menu = ui::WaitForPopupMenu();
    ASSERT_NE(menu, nullptr);
    RECT place{};
    GetWindowRect(menu, &place);
    const POINT row = console.RowPoint(1);
    EXPECT_NEAR(place.left, row.x, 2);
    EXPECT_NEAR(place.top, row.y, 2);
    ui::PressKey(VK_ESCAPE);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindowVisible(menu); }));

    console.SelectRow(-1);
    ui::PressKey(VK_APPS);
    menu = ui::WaitForPopupMenu();
    ASSERT_NE(menu, nullptr);
    GetWindowRect(menu, &place);
    POINT corner{0, 0};
    ClientToScreen(console.Control(IDC_MAPPING_LIST), &corner);
    EXPECT_NEAR(place.left, corner.x, 2);
    EXPECT_NEAR(place.top, corner.y, 2);
    ui::PressKey(VK_ESCAPE);
    EXPECT_EQ(console.Rows().size(), 3u);
}

TEST_F(MappingEditorWindowTest, SixtyCharactersTypedIntoEachBoxAreKeptAndAdded) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwx";
    const std::string network = letters.substr(0, 60);
    const std::string printer = letters.substr(10) + letters.substr(0, 10);
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    console.SetText(IDC_NETWORK_BOX, "");
    console.SetText(IDC_PRINTER_BOX, "");
    ASSERT_TRUE(console.BringToFront());

    // The focus starts in the network box; Tab moves it to the printer box.
    ui::TypeText(network);
    ui::PressKey(VK_TAB);
    ui::TypeText(printer);
    EXPECT_EQ(console.Text(IDC_NETWORK_BOX), network);
    EXPECT_EQ(console.Text(IDC_PRINTER_BOX), printer);

    console.Click(IDC_ADD);
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{network, printer}}));
}

// Inside a network namespace of the run's own (wine-run --netns), whose adapter that is up has
// 198.51.100.7/24 and 2001:db8::7/64 (and a link-local address, left out).
using NamespaceConsole = MappingEditorWindowTest;

TEST_F(NamespaceConsole, TheBoxOffersTheAdaptersRangesAndAddTakesOnlyValidOnes) {
    const ScriptedNetworks networks({{"corp.example.com"}});
    RunningConsole console;
    ASSERT_NE(console.Window(), nullptr);
    Items items = console.ComboItems(IDC_NETWORK_BOX);
    std::sort(items.begin() + 1, items.end());
    EXPECT_EQ(items, (Items{"corp.example.com", "198.51.100.0/24", "2001:db8::/64"}));

    Add(console, "10.20.0.0/16", "Console_Laser");
    console.SetText(IDC_NETWORK_BOX, "10.20.0.0/33");
    console.PostClick(IDC_ADD);
    const HWND box = console.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(ui::MessageBoxText(box).find("for example 10.20.0.0/16"), std::string::npos);
    ui::PressButton(box, IDOK);
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"10.20.0.0/16", "Console_Laser"}}));
}

}  // namespace
