#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/settings/mapping_table.h"
#include "common/settings/policy_keys.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/services/table_change_text.h"
#include "console/mapping_editor.h"
#include "tests/support/fakes/fake_spooler.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/recording_processes.h"
#include "tests/support/fakes/virtual_clock.h"
#include "common/text/texts.h"

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
    using Table = std::vector<MappingEntry>;

    static void Store(InMemoryRegistry& registry, const Table& entries) {
        for (const MappingEntry& entry : entries) {
            AddMapping(registry, entry.networkName, entry.printerName);
        }
    }
    void Store(const Table& entries) { Store(registry_, entries); }

    Table Stored() { return ReadMappingTable(registry_, processes_); }

    // The numbered subkeys hold the table as it reads, with nothing left pending.
    static void ExpectStoredEntries(InMemoryRegistry& registry, const Table& table) {
        ASSERT_EQ(ReadMappingCount(registry), static_cast<int>(table.size()));
        for (std::size_t n = 1; n <= table.size(); ++n) {
            EXPECT_EQ(ReadMapping(registry, static_cast<int>(n)), table[n - 1]) << "entry " << n;
        }
        EXPECT_TRUE(ReadRegistryLines(registry, SettingsKeyPath, TableChangeValueName).empty());
    }

    InMemoryRegistry registry_;
    RecordingProcesses processes_;
    VirtualClock clock_;
};

TEST_F(MappingEditorTest, RowsFollowTheTableAsDeploymentToolsStoreIt) {
    EXPECT_TRUE(Stored().empty());
    Store({{"Home", "Inkjet"}, {"Office", "Laser"}, {"Lab", "Plotter"}});
    WriteRegistryDword(registry_, SettingsKeyPath, NumberofNetworksValueName, 3);
    EXPECT_EQ(Stored(), (Table{{"Home", "Inkjet"}, {"Office", "Laser"}, {"Lab", "Plotter"}}));

    // Add appends after them, and the count is text again.
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Cafe", "Receipts"), "");
    ExpectStoredEntries(
        registry_,
        {{"Home", "Inkjet"}, {"Office", "Laser"}, {"Lab", "Plotter"}, {"Cafe", "Receipts"}});
    EXPECT_EQ(ReadRegistryStoredText(registry_, SettingsKeyPath, NumberofNetworksValueName), "4");

    // A count that runs past the subkeys adds no rows.
    WriteRegistryText(registry_, SettingsKeyPath, NumberofNetworksValueName, "6");
    EXPECT_EQ(Stored().size(), 4u);
}

TEST_F(MappingEditorTest, AddAppendsANewNetworkAndReplacesTheKnownOnesPrinter) {
    AddMappingRow(registry_, processes_, "Home", "Inkjet");
    AddMappingRow(registry_, processes_, "Office", "Laser");
    AddMappingRow(registry_, processes_, " Home  ", "Plotter");
    EXPECT_EQ(Stored(), (Table{{"Home", "Plotter"}, {"Office", "Laser"}}));

    AddMappingRow(registry_, processes_, "", "");
    AddMappingRow(registry_, processes_, "", "Laser");
    EXPECT_EQ(Stored(), (Table{{"Home", "Plotter"}, {"Office", "Laser"}, {"", "Laser"}}));
}

// Two Consoles show Home, Office and Lab; one removes Home, the other then Office.
// A malformed range would match nothing, so Add refuses it; a name with a slash stays a name.
TEST_F(MappingEditorTest, AddTakesRangesAndRefusesMalformedOnes) {
    EXPECT_EQ(AddMappingRow(registry_, processes_, "2001:db8:5::/48", "Paris"), "");
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Lab A/B", "Lab"), "");
    for (const char* malformed : {"10.20.0.0/33", "10.20.0/16", "2001:db8::5::/48"}) {
        EXPECT_NE(AddMappingRow(registry_, processes_, malformed, "X").find(ExampleAddressRange),
                  std::string::npos);
    }
    EXPECT_EQ(MappingRows(registry_, processes_).size(), 2u);
}

TEST_F(MappingEditorTest, RemoveTakesTheRowShownWhateverItsPlaceNow) {
    Store({{"Home", "A"}, {"Office", "B"}, {"Lab", "C"}});
    const Table shown = Stored();
    EXPECT_EQ(RemoveMappingRow(registry_, processes_, clock_, {shown[0]}), "");
    EXPECT_EQ(RemoveMappingRow(registry_, processes_, clock_, {shown[1]}), "");
    ExpectStoredEntries(registry_, {{"Lab", "C"}});

    // A row that another program removed or changed since is left, and the user told so.
    AddMappingRow(registry_, processes_, "Lab", "D");
    for (const MappingEntry& stale : {shown[0], shown[2]}) {
        EXPECT_EQ(RemoveMappingRow(registry_, processes_, clock_, {stale}),
                  TableChangeFailureText(TableChange::RowChanged));
    }
    EXPECT_EQ(Stored(), (Table{{"Lab", "D"}}));
}

// The organization's places lead the list and are not the user's to remove; while the user's
// own rows do not apply, the list holds the organization's alone and nothing is added.
TEST_F(MappingEditorTest, TheOrganizationsRowsLeadAndStayTheirs) {
    Store({{"Home", "A"}});
    WriteRegistryText(registry_, std::string(PoliciesKeyPath) + "\\Places", "Office", "B");
    const std::vector<MappingRow> rows = MappingRows(registry_, processes_);
    EXPECT_EQ(rows, (std::vector<MappingRow>{{{"Office", "B"}, RowOwner::Organization},
                                             {{"Home", "A"}, RowOwner::User}}));
    EXPECT_EQ(RemoveMappingRow(registry_, processes_, clock_, rows[0]), Text(IDS_ORGANIZATION_ROW));

    WriteRegistryDword(registry_, PoliciesKeyPath, UserPlacesValueName, 0);
    EXPECT_EQ(MappingRows(registry_, processes_), std::vector<MappingRow>{rows[0]});
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Cafe", "C"),
              Text(IDS_ORGANIZATION_PLACES_ONLY));
    ExpectStoredEntries(registry_, {{"Home", "A"}});
}

TEST_F(MappingEditorTest, ChangesHoldTheTableLockOrSayWhyNot) {
    processes_.waitResults["LMV-Table"] = WaitTimeout;
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Home", "A"),
              TableChangeFailureText(TableChange::Busy));
    EXPECT_TRUE(Stored().empty());
    // A holder that was stopped leaves the mutex abandoned, and with it the lock.
    processes_.waitResults["LMV-Table"] = WaitAbandoned;
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Home", "A"), "");
    EXPECT_EQ(processes_.mutexesReleased.size(), processes_.mutexWaits.size());

    registry_.writesLeft = 0;
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Office", "B"),
              TableChangeFailureText(TableChange::Refused));
    registry_.writesLeft = SIZE_MAX;

    Table full;
    for (int n = 2; n <= MaxMappingCount; ++n) {
        full.push_back({"Network " + std::to_string(n), "P"});
    }
    Store(full);
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Cafe", "C"),
              TableChangeFailureText(TableChange::TableFull));
    EXPECT_EQ(AddMappingRow(registry_, processes_, "Home", "Z"), "");
}

// Rows that an older program left twice count once, where the later one stands; an Add changes
// every row of its network.
TEST_F(MappingEditorTest, RepeatedRowsCountOnceAndAddChangesEveryRowOfItsNetwork) {
    Store({{"Office", "B"}, {"Home", "A"}, {"Office", "B"}, {"Lab", "C"}, {"Lab", "D"}});
    EXPECT_EQ(Stored(), (Table{{"Home", "A"}, {"Office", "B"}, {"Lab", "C"}, {"Lab", "D"}}));

    AddMappingRow(registry_, processes_, "Lab", "E");
    ExpectStoredEntries(registry_, {{"Home", "A"}, {"Office", "B"}, {"Lab", "E"}});
}

// Whatever write a change is stopped after, readers see the table before or after it, and the
// next change stores a whole table.
TEST_F(MappingEditorTest, AChangeStoppedAfterAnyWriteLeavesAWholeTable) {
    const Table before{{"Home", "A"}, {"Office", "B"}, {"Lab", "C"}};
    struct Change {
        std::function<void(InMemoryRegistry&)> run;
        Table after;
    };
    const std::vector<Change> changes = {
        {[&](InMemoryRegistry& r) {
             RemoveMapping(r, processes_, clock_, {"Home", "A"});
         },
         {{"Office", "B"}, {"Lab", "C"}}},
        {[&](InMemoryRegistry& r) { AddOrReplaceMapping(r, processes_, "Cafe", "D"); },
         {{"Home", "A"}, {"Office", "B"}, {"Lab", "C"}, {"Cafe", "D"}}},
        {[&](InMemoryRegistry& r) { AddOrReplaceMapping(r, processes_, "Office", "E"); },
         {{"Home", "A"}, {"Office", "E"}, {"Lab", "C"}}},
    };
    for (const Change& change : changes) {
        InMemoryRegistry whole;
        Store(whole, before);
        whole.writesDone = 0;
        change.run(whole);
        for (std::size_t stop = 0; stop < whole.writesDone; ++stop) {
            SCOPED_TRACE("stopped after " + std::to_string(stop) + " writes");
            InMemoryRegistry registry;
            Store(registry, before);
            registry.writesLeft = stop;
            change.run(registry);
            registry.writesLeft = SIZE_MAX;

            Table read = ReadMappingTable(registry, processes_);
            EXPECT_TRUE(read == before || read == change.after);
            ASSERT_EQ(AddOrReplaceMapping(registry, processes_, "Next", "N"), TableChange::Stored);
            read.push_back({"Next", "N"});
            ExpectStoredEntries(registry, read);
        }
    }
}

TEST(PresentDefaultPrinter, NamesTheDefaultOrSaysThereIsNone) {
    FakeSpooler spooler;
    spooler.printers = {"Inkjet"};
    EXPECT_EQ(GetPresentDefaultPrinter(spooler), Text(IDS_NO_DEFAULT_PRINTER));
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
