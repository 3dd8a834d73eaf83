// The tray program's offer to remember a printer that the user makes the default.
#include <gtest/gtest.h>

#include "common/settings/applied_networks.h"
#include "common/settings/options.h"
#include "common/settings/policy_keys.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "tests/support/fakes/fake_spooler.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/recording_processes.h"
#include "tests/support/fakes/scenario_text.h"
#include "tests/support/fakes/scripted_network_list.h"
#include "tray/printer_learning.h"

namespace {

class PrinterLearningTest : public ::testing::Test {
protected:
    PrinterLearningTest() {
        CreateRegistryKey(registry_, WindowsPrinterKeyPath);
        SetLegacyDefaultPrinterMode(registry_, 1);
        AddMapping(registry_, "Office", "Laser");
        WriteAppliedEntry(registry_, MappingEntry{"Office", "Laser"});
        WriteRunPrinters(registry_, {"Laser"});
    }

    std::optional<MappingEntry> Offer(const std::string& printer) {
        return learning_.OfferFor(printer, registry_, spooler_, networks_);
    }

    InMemoryRegistry registry_;
    RecordingProcesses processes_;
    FakeSpooler spooler_{{"Laser", "Color", "Photo", "Draft"}, "Laser"};
    ScriptedNetworkList networks_{ScenarioFromText(
        "network\nname = Home\nconnected = yes\nnetwork\nname = Office\nconnected = yes\n")};
    PrinterLearning learning_{"Laser"};
};

TEST_F(PrinterLearningTest, OffersThePickedPrinterOnceForTheNetworkLumivoAppliedLast) {
    EXPECT_EQ(Offer("Color"), (MappingEntry{"Office", "Color"}));
    EXPECT_EQ(Offer("Laser"), std::nullopt) << "Lumivo's own printer";
    EXPECT_EQ(Offer("Color"), std::nullopt) << "offered already";

    WriteAppliedEntry(registry_, std::nullopt);
    EXPECT_EQ(Offer("Photo"), (MappingEntry{"Home", "Photo"})) << "the first connected network";
    EXPECT_EQ(DefaultPrinterOfDevice("Color,winspool,Ne00:"), "Color");
}

// A Manager's changes, heard of after it went on to its next entry, are neither offered nor picks.
TEST_F(PrinterLearningTest, NoOfferForThePrintersTheManagerSets) {
    WriteRunPrinters(registry_, {"Photo", "Color"});
    EXPECT_EQ(Offer("Photo"), std::nullopt);
    EXPECT_FALSE(learning_.PickedByOthers());
    EXPECT_EQ(Offer("Draft"), (MappingEntry{"Office", "Draft"}));
    EXPECT_TRUE(learning_.PickedByOthers());
}

// "Printer remembered" only when the table holds it; otherwise the notice says why.
TEST_F(PrinterLearningTest, RememberingSaysWhetherTheTableTookThePrinter) {
    EXPECT_EQ(RememberPrinter(registry_, processes_, {"Office", "Color"}), std::nullopt);
    for (int n = 2; n <= MaxMappingCount; ++n) {
        AddMapping(registry_, "Network " + std::to_string(n), "Laser");
    }
    EXPECT_EQ(RememberPrinter(registry_, processes_, {"Home", "Color"}), TableChange::TableFull);
    EXPECT_EQ(PrinterNotLearnedNotice("Color", "Home", TableChange::TableFull),
              (PrinterNotice{"Printer not remembered",
                             "Lumivo could not remember Color for Home. The table is full: it "
                             "holds 1000 networks. Remove one before adding another."}));
    registry_.MakeReadOnly(RootKey::CurrentUser);
    EXPECT_EQ(RememberPrinter(registry_, processes_, {"Office", "Photo"}), TableChange::Refused);
}

TEST_F(PrinterLearningTest, NoOfferWhereThePickIsNoNewsOrNotTheUsers) {
    AddMapping(registry_, "Office", "Photo");
    SetMappingPrinter(registry_, 1, "Photo");
    EXPECT_EQ(Offer("Photo"), std::nullopt) << "the table maps it already";

    spooler_.printers = {"Laser", "Color", "Draft"};
    EXPECT_EQ(Offer("Color"), std::nullopt) << "the previous default was deleted";

    WriteRegistryText(registry_, SettingsKeyPath, ShowNoticesValueName, "NO");
    EXPECT_EQ(Offer("Draft"), std::nullopt) << "notices off";
    WriteRegistryText(registry_, SettingsKeyPath, ShowNoticesValueName, "YES");
    WriteRegistryText(registry_, PoliciesKeyPath, ShowNoticesValueName, "NO");
    EXPECT_EQ(Offer("Color"), std::nullopt) << "notices off by policy";
    WriteRegistryText(registry_, PoliciesKeyPath, ShowNoticesValueName, "YES");
    WriteRegistryDword(registry_, PoliciesKeyPath, UserPlacesValueName, 0);
    EXPECT_EQ(Offer("Draft"), std::nullopt) << "the organization keeps users' rows from applying";
    WriteRegistryDword(registry_, PoliciesKeyPath, UserPlacesValueName, 1);

    SetLegacyDefaultPrinterMode(registry_, 0);
    EXPECT_EQ(Offer("Color"), std::nullopt) << "Windows manages the default printer";
    SetLegacyDefaultPrinterMode(registry_, 1);

    const auto connected = networks_.Scenario();
    networks_.Scenario() = ScenarioFromText("network\nname = Office\nconnected = no\n");
    EXPECT_EQ(Offer("Draft"), std::nullopt) << "no network connected";
    networks_.Scenario() = connected;
    EXPECT_EQ(Offer("Color"), (MappingEntry{"Office", "Color"})) << "each reason was the cause";
}

}  // namespace
