#pragma once

// The settings store over every registry we have, with the backends of registry_contract.h.
// Include it beside that header and instantiate, inside namespace registry_contract:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, SettingsStoreContract, Backend);
// The backend's registry starts without the settings key and without LegacyDefaultPrinterMode,
// but with the Windows key that holds it.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "common/services/places_to_apply.h"
#include "common/settings/mapping_table.h"
#include "common/settings/options.h"
#include "common/settings/policy_keys.h"
#include "common/settings/settings_keys.h"
#include "common/settings/window_placement.h"
#include "support/fakes/recording_processes.h"
#include "support/fakes/virtual_clock.h"
#include "support/registry_contract.h"

inline void PrintTo(const MappingEntry& entry, std::ostream* out) {
    *out << "{\"" << entry.networkName << "\", \"" << entry.printerName << "\"}";
}

namespace registry_contract {

inline const std::string SettingsSubKey = "Software\\Lumivo Mapper";
inline const std::string PoliciesSubKey = "Software\\Policies\\Lumivo Mapper";
inline const std::string WindowsSubKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

inline std::string EntrySubKey(std::size_t n) {
    return SettingsSubKey + "\\" + std::to_string(n);
}

// Stores a table as the Console leaves it, written directly through the registry calls.
inline void StoreTable(Registry& registry, const std::vector<MappingEntry>& entries) {
    for (std::size_t n = 1; n <= entries.size(); ++n) {
        SetRawText(registry, EntrySubKey(n), "NetworkName", entries[n - 1].networkName);
        SetRawText(registry, EntrySubKey(n), "PrinterName", entries[n - 1].printerName);
    }
    SetRawText(registry, SettingsSubKey, "NumberofNetworks", std::to_string(entries.size()));
}

// Deletes the subkeys of the first entries, whatever they hold.
inline void ClearEntries(Registry& registry, std::size_t upTo) {
    for (std::size_t n = 1; n <= upTo; ++n) {
        registry.DeleteKey(RootKey::CurrentUser, EntrySubKey(n));
    }
}

// The stored table holds exactly these entries, numbered 1..N, and no subkey N+1.
inline void ExpectStoredTable(Registry& registry, const std::vector<MappingEntry>& expected) {
    EXPECT_EQ(StoredText(registry, SettingsSubKey, "NumberofNetworks"),
              Sz(std::to_string(expected.size())));
    for (std::size_t n = 1; n <= expected.size(); ++n) {
        SCOPED_TRACE("entry " + std::to_string(n));
        ASSERT_TRUE(Exists(registry, EntrySubKey(n)));
        EXPECT_EQ(StoredText(registry, EntrySubKey(n), "NetworkName"),
                  Sz(expected[n - 1].networkName));
        EXPECT_EQ(StoredText(registry, EntrySubKey(n), "PrinterName"),
                  Sz(expected[n - 1].printerName));
    }
    EXPECT_FALSE(Exists(registry, EntrySubKey(expected.size() + 1)));
}

inline const std::vector<MappingEntry> FourEntries = {
    {"Home", "Laser"}, {"Office", "Colour"}, {"Lab", "Plotter"}, {"Cafe", "Receipts"}};

// The table's lock is a mutex of the processes seam; its fake grants it at once.
template <typename Backend>
class SettingsStoreContract : public RegistryTest<Backend> {
protected:
    RecordingProcesses processes;
    VirtualClock clock;
};
TYPED_TEST_SUITE_P(SettingsStoreContract);

TYPED_TEST_P(SettingsStoreContract, EverythingHasItsDefaultBeforeTheFirstWrite) {
    Registry& registry = this->registry();
    EXPECT_EQ(ReadMappingCount(registry), 0);
    EXPECT_EQ(ReadMapping(registry, 1), MappingEntry{});
    EXPECT_EQ(FindMappingByNetwork(registry, "Home"), 0);
    EXPECT_EQ(FindMappingByNetwork(registry, ""), 0);
    EXPECT_TRUE(IsOptionEnabled(registry, CheckForUpdatesValueName));
    EXPECT_TRUE(IsOptionEnabled(registry, SystemTrayValueName));
    EXPECT_EQ(ReadWindowPlacement(registry), DialogRect{});
    EXPECT_FALSE(IsLegacyDefaultPrinterMode(registry));
    EXPECT_FALSE(Exists(registry, SettingsSubKey));
}

// Deployment tools store numbers as numbers and names of any type.
TYPED_TEST_P(SettingsStoreContract, CountsAndNamesAsTheyAreStored) {
    Registry& registry = this->registry();
    SetRawText(registry, SettingsSubKey, "NumberofNetworks", "abc");
    EXPECT_EQ(ReadMappingCount(registry), 0);
    SetRawText(registry, SettingsSubKey, "NumberofNetworks", " 3 ");
    EXPECT_EQ(ReadMappingCount(registry), 3);
    SetRawText(registry, SettingsSubKey, "NumberofNetworks", "");
    EXPECT_EQ(ReadMappingCount(registry), 0);
    SetRaw(registry, SettingsSubKey, "NumberofNetworks", RegDword, {3, 0, 0, 0});
    EXPECT_EQ(ReadMappingCount(registry), 3);
    SetRaw(registry, SettingsSubKey, "NumberofNetworks", RegQword, {5, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadMappingCount(registry), 5);
    SetRaw(registry, SettingsSubKey, "NumberofNetworks", RegBinary, {'7', 0});
    EXPECT_EQ(ReadMappingCount(registry), 0);

    SetRaw(registry, EntrySubKey(1), "NetworkName", RegDword, {'H', 0, 0, 0});
    SetRaw(registry, EntrySubKey(1), "PrinterName", RegExpandSz, Bytes(Sz("Laser")));
    EXPECT_EQ(ReadMapping(registry, 1), (MappingEntry{"", "Laser"}));

    for (const auto& [text, on] : {std::pair{"0", false}, {" 1", true}, {"", false}}) {
        SetRawText(registry, WindowsSubKey, "LegacyDefaultPrinterMode", text);
        EXPECT_EQ(IsLegacyDefaultPrinterMode(registry), on) << '"' << text << '"';
    }
    SetRaw(registry, WindowsSubKey, "LegacyDefaultPrinterMode", RegBinary, {1, 0, 0, 0});
    EXPECT_FALSE(IsLegacyDefaultPrinterMode(registry));
}

TYPED_TEST_P(SettingsStoreContract, OnlyNoSwitchesAnOptionOff) {
    Registry& registry = this->registry();
    for (const char* option : {CheckForUpdatesValueName, SystemTrayValueName}) {
        for (const char* off : {"no", "No", " No ", "NO", "nO"}) {
            SetRawText(registry, SettingsSubKey, option, off);
            EXPECT_FALSE(IsOptionEnabled(registry, option)) << option << " = \"" << off << "\"";
        }
        for (const char* on : {"off", "0", "", "YES", "N O", "NO!", "\tNO"}) {
            SetRawText(registry, SettingsSubKey, option, on);
            EXPECT_TRUE(IsOptionEnabled(registry, option)) << option << " = \"" << on << "\"";
        }
    }
    SetRawText(registry, SettingsSubKey, SystemTrayValueName, "NO");
    EXPECT_TRUE(IsOptionEnabled(registry, CheckForUpdatesValueName)) << "options are separate";
}

TYPED_TEST_P(SettingsStoreContract, AddingAppendsEntries) {
    Registry& registry = this->registry();
    AddMapping(registry, "Home", "Laser");
    ExpectStoredTable(registry, {{"Home", "Laser"}});

    AddMapping(registry, "Office", "Colour");
    AddMapping(registry, "Home", "Inkjet");
    ExpectStoredTable(registry, {{"Home", "Laser"}, {"Office", "Colour"}, {"Home", "Inkjet"}});
    EXPECT_EQ(ReadMappingCount(registry), 3);
    EXPECT_EQ(ReadMapping(registry, 2), (MappingEntry{"Office", "Colour"}));
}

// A count out of range, missing entries within the count and a subkey that cannot be deleted
// leave the table whole and finite.
TYPED_TEST_P(SettingsStoreContract, BadCountsAndFailedDeletesCannotDamageTheTable) {
    Registry& registry = this->registry();
    SetRawText(registry, SettingsSubKey, "NumberofNetworks", "99999999999");
    EXPECT_EQ(ReadMappingCount(registry), 1000);
    SetRawText(registry, SettingsSubKey, "NumberofNetworks", "-1");
    EXPECT_EQ(ReadMappingCount(registry), 0);
    AddMapping(registry, "Home", "Laser");
    ExpectStoredTable(registry, {{"Home", "Laser"}});
    EXPECT_FALSE(Exists(registry, EntrySubKey(0)));

    // Entries 3 and 4 are missing: they are no entries, and the next change drops them.
    StoreTable(registry, {{"Home", "Laser"}, {"Office", "Colour"}});
    SetRawText(registry, SettingsSubKey, "NumberofNetworks", "4");
    EXPECT_EQ(ReadMappingTable(registry, this->processes),
              (std::vector<MappingEntry>{{"Home", "Laser"}, {"Office", "Colour"}}));
    EXPECT_EQ(RemoveMapping(registry, this->processes, this->clock, {"Home", "Laser"}),
              TableChange::Stored);
    ExpectStoredTable(registry, {{"Office", "Colour"}});

    // A subkey that has a subkey of its own cannot be deleted, but can take the next entry.
    ClearEntries(registry, 4);
    StoreTable(registry, FourEntries);
    SetRawText(registry, EntrySubKey(2) + "\\Extra", "Note", "kept");
    EXPECT_EQ(RemoveMapping(registry, this->processes, this->clock, FourEntries[1]),
              TableChange::Stored);
    ExpectStoredTable(registry, {FourEntries[0], FourEntries[2], FourEntries[3]});
    registry.DeleteKey(RootKey::CurrentUser, EntrySubKey(2) + "\\Extra");
}

TYPED_TEST_P(SettingsStoreContract, FindingComparesTrimmedNamesExactly) {
    Registry& registry = this->registry();
    StoreTable(registry, {{"Home", "Laser"}, {"  Office  ", "Colour"}, {"Office", "Second"}});
    SetRawText(registry, EntrySubKey(4), "NetworkName", "Beyond");

    EXPECT_EQ(ReadMapping(registry, 2), (MappingEntry{"Office", "Colour"}));
    EXPECT_EQ(FindMappingByNetwork(registry, " Office"), 2);
    EXPECT_EQ(FindMappingByNetwork(registry, "Home  "), 1);
    EXPECT_EQ(FindMappingByNetwork(registry, "office"), 0);
    EXPECT_EQ(FindMappingByNetwork(registry, "Off"), 0);
    EXPECT_EQ(FindMappingByNetwork(registry, "Beyond"), 0) << "entries above N are not read";
}

TYPED_TEST_P(SettingsStoreContract, ChangingThePrinterOfAnEntry) {
    Registry& registry = this->registry();
    StoreTable(registry, FourEntries);

    SetMappingPrinter(registry, 2, "Photo");
    std::vector<MappingEntry> expected = FourEntries;
    expected[1].printerName = "Photo";
    ExpectStoredTable(registry, expected);

    SetMappingPrinter(registry, 0, "Nowhere");
    SetMappingPrinter(registry, -1, "Nowhere");
    ExpectStoredTable(registry, expected);
    EXPECT_FALSE(Exists(registry, EntrySubKey(0)));

    // Above N the printer lands in a subkey that is not part of the table.
    SetMappingPrinter(registry, 6, "Beyond");
    ExpectStoredTable(registry, expected);
    EXPECT_EQ(StoredText(registry, EntrySubKey(6), "PrinterName"), Sz("Beyond"));
    EXPECT_EQ(ReadMappingCount(registry), 4);
}

TYPED_TEST_P(SettingsStoreContract, RemovingTheOnlyEntry) {
    Registry& registry = this->registry();
    StoreTable(registry, {{"Home", "Laser"}});

    EXPECT_EQ(RemoveMapping(registry, this->processes, this->clock, {"Home", "Laser"}),
              TableChange::Stored);
    ExpectStoredTable(registry, {});
    EXPECT_FALSE(Exists(registry, EntrySubKey(1)));
    EXPECT_EQ(this->clock.Pauses(), std::vector<std::uint32_t>{250});
}

TYPED_TEST_P(SettingsStoreContract, RemovingClosesTheGap) {
    Registry& registry = this->registry();
    struct Case {
        std::size_t entryCount;
        int removed;
    };
    for (const Case& removal : {Case{3, 1}, Case{4, 2}, Case{4, 4}, Case{2, 1}}) {
        SCOPED_TRACE("removing " + std::to_string(removal.removed) + " of " +
                     std::to_string(removal.entryCount));
        std::vector<MappingEntry> entries(FourEntries.begin(),
                                          FourEntries.begin() + removal.entryCount);
        ClearEntries(registry, FourEntries.size());
        StoreTable(registry, entries);
        VirtualClock removalClock;

        RemoveMapping(registry, this->processes, removalClock, entries[removal.removed - 1]);
        entries.erase(entries.begin() + (removal.removed - 1));
        ExpectStoredTable(registry, entries);
        EXPECT_EQ(removalClock.Pauses(), std::vector<std::uint32_t>{250});
        for (std::size_t n = 1; n <= entries.size(); ++n) {
            EXPECT_EQ(ReadMapping(registry, static_cast<int>(n)), entries[n - 1]);
        }
    }
}

TYPED_TEST_P(SettingsStoreContract, MovedEntriesComeOutTrimmed) {
    Registry& registry = this->registry();
    StoreTable(registry, {{"Home", "Laser"}, {"  Lab ", " Plotter  "}});

    RemoveMapping(registry, this->processes, this->clock, {" Home", "Laser"});
    ExpectStoredTable(registry, {{"Lab", "Plotter"}});
}

TYPED_TEST_P(SettingsStoreContract, LegacyDefaultPrinterMode) {
    Registry& registry = this->registry();
    SetLegacyDefaultPrinterMode(registry, 1);
    EXPECT_TRUE(IsLegacyDefaultPrinterMode(registry));
    const RawValue stored = ReadRaw(registry, WindowsSubKey, "LegacyDefaultPrinterMode");
    EXPECT_EQ(stored.type, RegDword);
    EXPECT_EQ(stored.data, (std::vector<std::uint8_t>{1, 0, 0, 0}));

    SetLegacyDefaultPrinterMode(registry, 0);
    EXPECT_FALSE(IsLegacyDefaultPrinterMode(registry));
    EXPECT_EQ(ReadRaw(registry, WindowsSubKey, "LegacyDefaultPrinterMode").data,
              (std::vector<std::uint8_t>{0, 0, 0, 0}));

    SetRaw(registry, WindowsSubKey, "LegacyDefaultPrinterMode", RegDword, {0, 1, 0, 0});
    EXPECT_TRUE(IsLegacyDefaultPrinterMode(registry));
}

TYPED_TEST_P(SettingsStoreContract, WindowPlacementRoundTrip) {
    Registry& registry = this->registry();
    SaveWindowPlacement(registry, DialogRect{-12, 30, 640, 0});
    EXPECT_EQ(StoredText(registry, SettingsSubKey, "WLocX"), Sz("-12"));
    EXPECT_EQ(StoredText(registry, SettingsSubKey, "WLocY"), Sz("30"));
    EXPECT_EQ(StoredText(registry, SettingsSubKey, "WWidth"), Sz("640"));
    EXPECT_EQ(StoredText(registry, SettingsSubKey, "WHeight"), Sz("0"));
    EXPECT_EQ(ReadWindowPlacement(registry), (DialogRect{-12, 30, 640, 0}));

    SetRawText(registry, SettingsSubKey, "WLocX", "left");
    SetRawText(registry, SettingsSubKey, "WLocY", " 7 ");
    SetRawText(registry, SettingsSubKey, "WWidth", "99999999999");
    SetRawText(registry, SettingsSubKey, "WHeight", "-99999999999");
    EXPECT_EQ(ReadWindowPlacement(registry),
              (DialogRect{0, 7, std::numeric_limits<std::int32_t>::max(),
                          std::numeric_limits<std::int32_t>::min()}));
}

// Adds, removes and changes entries of a table of up to 50 in a fixed pseudo-random order,
// checking the whole stored table after every step.
TYPED_TEST_P(SettingsStoreContract, FiftyEntriesSurviveAddRemoveCycles) {
    Registry& registry = this->registry();
    std::mt19937 random(50);
    std::vector<MappingEntry> expected;
    int created = 0;
    const auto add = [&] {
        ++created;
        const MappingEntry entry{"Network " + std::to_string(created),
                                 "Printer " + std::to_string(created)};
        ASSERT_EQ(
            AddOrReplaceMapping(registry, this->processes, entry.networkName, entry.printerName),
            TableChange::Stored);
        expected.push_back(entry);
    };
    const auto pick = [&] {
        return std::uniform_int_distribution<int>(1, static_cast<int>(expected.size()))(random);
    };

    while (expected.size() < 50) {
        add();
        ExpectStoredTable(registry, expected);
    }
    for (int step = 0; step < 120 && !this->HasFailure(); ++step) {
        const int action = std::uniform_int_distribution<int>(0, 3)(random);
        if (action <= 1 && !expected.empty()) {
            const int n = pick();
            RemoveMapping(registry, this->processes, this->clock, expected[n - 1]);
            expected.erase(expected.begin() + (n - 1));
        } else if (action == 2 && !expected.empty()) {
            const int n = pick();
            const std::string printer = "Changed " + std::to_string(step);
            AddOrReplaceMapping(registry, this->processes, expected[n - 1].networkName, printer);
            expected[n - 1].printerName = printer;
        } else if (expected.size() < 50) {
            add();
        }
        SCOPED_TRACE("after step " + std::to_string(step));
        ExpectStoredTable(registry, expected);
        ASSERT_EQ(ReadMappingCount(registry), static_cast<int>(expected.size()));
    }
    for (std::size_t n = 1; n <= expected.size(); ++n) {
        EXPECT_EQ(FindMappingByNetwork(registry, expected[n - 1].networkName), static_cast<int>(n));
    }
}

// A policy in one of its forms wins over the user's option; a missing or empty policy key, or a
// policy of another form, leaves the user's.
TYPED_TEST_P(SettingsStoreContract, OptionPoliciesWinInTheirOwnForms) {
    Registry& registry = this->registry();
    SetRawText(registry, SettingsSubKey, SystemTrayValueName, "YES");
    EXPECT_EQ(OptionPolicy(registry, SystemTrayValueName), std::nullopt);
    Create(registry, PoliciesSubKey);
    EXPECT_TRUE(IsOptionEnabled(registry, SystemTrayValueName));
    for (const auto& [type, data, policy] :
         {std::tuple{RegSz, Bytes(Sz(" yes ")), std::optional(true)},
          {RegSz, Bytes(Sz("NO")), false},
          {RegDword, {1, 0, 0, 0}, true},
          {RegDword, {0, 0, 0, 0}, false},
          {RegDword, {2, 0, 0, 0}, std::nullopt},
          {RegSz, Bytes(Sz("1")), std::nullopt},
          {RegBinary, {1}, std::nullopt}}) {
        SetRaw(registry, PoliciesSubKey, SystemTrayValueName, type, data);
        EXPECT_EQ(IsOptionEnabled(registry, SystemTrayValueName), policy.value_or(true))
            << "type " << type;
    }
}

// The organization's places come first, the most specific last, where its match wins; values
// that name no place are left out and told. Only the number 0 keeps the user's rows out.
TYPED_TEST_P(SettingsStoreContract, OrganizationsPlacesComeFirstTheMostSpecificLast) {
    Registry& registry = this->registry();
    StoreTable(registry, {{"Home", "Laser"}});
    const std::string places = PoliciesSubKey + "\\Places";
    Create(registry, places);
    const auto read = [&] { return ReadPlacesToApply(registry, this->processes); };
    EXPECT_EQ(read().entries, (std::vector<MappingEntry>{{"Home", "Laser"}}));
    for (const auto& [place, printer] : {std::pair{"10.0.0.0/8", "Wide"},
                                         {" Office ", "Name 1"},
                                         {"10.20.0.0/16", "Narrow 1"},
                                         {"Lab", "Name 2"},
                                         {"", "Default"},
                                         {"Annex", " "},
                                         {"10.30.0.0/16", "Narrow 2"}}) {
        SetRawText(registry, places, place, printer);
    }
    SetRaw(registry, places, "Cafe", RegDword, {1, 0, 0, 0});
    const PlacesToApply toApply = read();
    EXPECT_EQ(toApply.entries, (std::vector<MappingEntry>{{"10.0.0.0/8", "Wide"},
                                                          {"10.30.0.0/16", "Narrow 2"},
                                                          {"10.20.0.0/16", "Narrow 1"},
                                                          {"Lab", "Name 2"},
                                                          {"Office", "Name 1"},
                                                          {"Home", "Laser"}}));
    EXPECT_EQ(toApply.organizationCount, 5u);
    EXPECT_EQ(toApply.ignored, (std::vector<IgnoredPlace>{{"", IgnoredPlace::Why::NoName},
                                                          {"Annex", IgnoredPlace::Why::NoPrinter},
                                                          {"Cafe", IgnoredPlace::Why::NotText}}));
    for (const auto& [type, data, kept] :
         {std::tuple{RegDword, std::vector<std::uint8_t>{0, 0, 0, 0}, false},
          {RegDword, {2, 0, 0, 0}, true},
          {RegSz, Bytes(Sz("0")), true}}) {
        SetRaw(registry, PoliciesSubKey, UserPlacesValueName, type, data);
        EXPECT_EQ(read().entries.size(), kept ? 6u : 5u) << "type " << type;
    }
}

REGISTER_TYPED_TEST_SUITE_P(SettingsStoreContract, EverythingHasItsDefaultBeforeTheFirstWrite,
                            CountsAndNamesAsTheyAreStored, OnlyNoSwitchesAnOptionOff,
                            AddingAppendsEntries, BadCountsAndFailedDeletesCannotDamageTheTable,
                            FindingComparesTrimmedNamesExactly, ChangingThePrinterOfAnEntry,
                            RemovingTheOnlyEntry, RemovingClosesTheGap, MovedEntriesComeOutTrimmed,
                            LegacyDefaultPrinterMode, WindowPlacementRoundTrip,
                            FiftyEntriesSurviveAddRemoveCycles, OptionPoliciesWinInTheirOwnForms,
                            OrganizationsPlacesComeFirstTheMostSpecificLast);

}  // namespace registry_contract
