#include <gtest/gtest.h>

#include "common/settings/mapping_table.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "console/mapping_editor.h"
#include "tests/support/fakes/fake_spooler.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/virtual_clock.h"

namespace {

using Names = std::vector<std::string>;

TEST(NetworkChoices, EveryCommaCutsAndSpacesAroundPiecesGo) {
    EXPECT_EQ(NetworkChoices("Home, Office Wi-Fi, Lab"), (Names{"Home", "Office Wi-Fi", "Lab"}));
    // A name that holds a comma becomes two names.
    EXPECT_EQ(NetworkChoices("Cafe, Guest,Upstairs"), (Names{"Cafe", "Guest", "Upstairs"}));
    EXPECT_EQ(NetworkChoices("  Home  "), (Names{"Home"}));
    EXPECT_EQ(NetworkChoices("Home, Home"), (Names{"Home", "Home"}));
    // Only spaces are trimmed; a tab is part of the name.
    EXPECT_EQ(NetworkChoices("\tTabbed , x"), (Names{"\tTabbed", "x"}));
}

TEST(NetworkChoices, EmptyPiecesStayAsEmptyNames) {
    EXPECT_EQ(NetworkChoices(""), (Names{""}));
    EXPECT_EQ(NetworkChoices("A,,B, "), (Names{"A", "", "B", ""}));
}

class MappingEditorTest : public ::testing::Test {
protected:
    void Store(const std::vector<MappingEntry>& entries) {
        for (const MappingEntry& entry : entries) {
            AddMapping(registry_, entry.networkName, entry.printerName);
        }
    }

    std::vector<MappingEntry> Stored() { return MappingRows(registry_); }

    InMemoryRegistry registry_;
    VirtualClock clock_;
};

TEST_F(MappingEditorTest, RowsFollowTheStoredTableAndItsCount) {
    EXPECT_TRUE(Stored().empty());
    Store({{"Home", "Inkjet"}, {"Office", "Laser"}});
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"Home", "Inkjet"}, {"Office", "Laser"}}));

    // A count that runs past the subkeys gives rows with empty names.
    WriteRegistryText(registry_, SettingsKeyPath, NumberofNetworksValueName, "3");
    EXPECT_EQ(Stored(),
              (std::vector<MappingEntry>{{"Home", "Inkjet"}, {"Office", "Laser"}, {"", ""}}));
}

TEST_F(MappingEditorTest, AddAppendsANewNetworkAndReplacesTheKnownOnesPrinter) {
    AddOrReplaceMapping(registry_, "Home", "Inkjet");
    AddOrReplaceMapping(registry_, "Office", "Laser");
    AddOrReplaceMapping(registry_, " Home  ", "Plotter");

    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"Home", "Plotter"}, {"Office", "Laser"}}));
}

TEST_F(MappingEditorTest, AddStoresEmptyNamesAsTheyAre) {
    AddOrReplaceMapping(registry_, "", "");
    AddOrReplaceMapping(registry_, "", "Laser");

    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"", "Laser"}}));
}

TEST_F(MappingEditorTest, RemoveWithoutASelectedRowOrPastTheTableDoesNothing) {
    Store({{"A", "1"}, {"B", "2"}});

    EXPECT_FALSE(RemoveMappingRow(registry_, clock_, 0));
    EXPECT_FALSE(RemoveMappingRow(registry_, clock_, 3));
    EXPECT_FALSE(RemoveMappingRow(registry_, clock_, -1));
    EXPECT_EQ(Stored(), (std::vector<MappingEntry>{{"A", "1"}, {"B", "2"}}));
    EXPECT_TRUE(clock_.Pauses().empty());
}

TEST(PresentDefaultPrinter, NamesTheDefaultOrSaysThereIsNone) {
    FakeSpooler spooler;
    spooler.printers = {"Inkjet"};
    EXPECT_EQ(GetPresentDefaultPrinter(spooler), NoDefaultPrinterText);
    spooler.defaultPrinter = "Inkjet";
    EXPECT_EQ(GetPresentDefaultPrinter(spooler), "Inkjet");
}

TEST(ChangeDefaultPrinter, SetsTheNamedPrinterAndReportsTheNewDefault) {
    FakeSpooler spooler;
    spooler.printers = {"Inkjet", "Laser"};
    spooler.defaultPrinter = "Inkjet";
    VirtualClock clock;

    EXPECT_EQ(ChangeDefaultPrinter(spooler, clock, "Laser"), (DefaultPrinterChange{"Laser", ""}));
    EXPECT_EQ(spooler.setDefaultCalls, (Names{"Laser"}));
    EXPECT_EQ(clock.Pauses(), (std::vector<std::uint32_t>{0}));
}

TEST(ChangeDefaultPrinter, ARefusedNameLeavesTheLabelOnTheOldDefaultAndSaysWhy) {
    FakeSpooler spooler;
    spooler.printers = {"Inkjet"};
    spooler.defaultPrinter = "Inkjet";
    VirtualClock clock;

    EXPECT_EQ(ChangeDefaultPrinter(spooler, clock, "No such printer"),
              (DefaultPrinterChange{"Inkjet",
                                    "Lumivo could not make No such printer your default "
                                    "printer: no printer of that name is installed."}));
}

TEST(ChangeDefaultPrinter, LongNamesReachTheSpoolerCutTo255Characters) {
    const std::string longName(300, 'P');
    const std::string cut(255, 'P');
    FakeSpooler spooler;
    spooler.printers = {cut};
    VirtualClock clock;

    EXPECT_EQ(ChangeDefaultPrinter(spooler, clock, longName).label, cut);
    EXPECT_EQ(spooler.setDefaultCalls, (Names{cut}));
    ChangeDefaultPrinter(spooler, clock, std::string(255, 'Q'));
    EXPECT_EQ(spooler.setDefaultCalls.back(), std::string(255, 'Q'));
}

}  // namespace
