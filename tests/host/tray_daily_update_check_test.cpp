// The tray program's daily update check runs on "YES" alone, unlike the other programs' checks.
#include <gtest/gtest.h>

#include <chrono>

#include "common/settings/options.h"
#include "common/settings/policy_keys.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "support/fakes/in_memory_registry.h"
#include "tray/daily_update_check.h"

namespace {

class DailyUpdateCheck : public ::testing::Test {
protected:
    void Store(const std::string& text) {
        WriteRegistryText(registry_, SettingsKeyPath, CheckForUpdatesValueName, text);
    }

    InMemoryRegistry registry_;
};

TEST_F(DailyUpdateCheck, RunsOnYesInAnyCaseWithOrWithoutSpaces) {
    for (const char* yes : {"YES", " yes ", "yes", "Yes", "yEs   ", "   YES"}) {
        Store(yes);
        EXPECT_TRUE(IsDailyUpdateCheckWanted(registry_)) << '"' << yes << '"';
    }
}

TEST_F(DailyUpdateCheck, AnythingElseIsOff) {
    for (const char* other :
         {"NO", "no", "maybe", "", " ", "Y", "YE", "YESS", "Y E S", "1", "TRUE", "on"}) {
        Store(other);
        EXPECT_FALSE(IsDailyUpdateCheckWanted(registry_)) << '"' << other << '"';
    }
}

TEST_F(DailyUpdateCheck, MissingValueOrKeyIsOffWhereTheOtherProgramsCountItOn) {
    EXPECT_FALSE(IsDailyUpdateCheckWanted(registry_));
    EXPECT_TRUE(IsOptionEnabled(registry_, CheckForUpdatesValueName));
    // Off, the check is neither claimed nor noted, so the Manager's own daily check still runs.
    EXPECT_FALSE(ClaimDailyUpdateCheck(registry_, "Home", std::chrono::sys_days{}));
    EXPECT_EQ(ReadRegistryText(registry_, SettingsKeyPath, LastUpdateCheckValueName), "");

    Store("YES");
    registry_.DeleteKey(RootKey::CurrentUser, "Software\\Lumivo Mapper");
    EXPECT_FALSE(IsDailyUpdateCheckWanted(registry_));
}

TEST_F(DailyUpdateCheck, APolicyWinsOverTheUsersValue) {
    WriteRegistryText(registry_, PoliciesKeyPath, CheckForUpdatesValueName, "YES");
    EXPECT_TRUE(IsDailyUpdateCheckWanted(registry_));
}

// Without a network the check could only fail, so the day is claimed at a tick with one.
TEST_F(DailyUpdateCheck, TheDayIsClaimedOnlyAtATickWithANetworkConnected) {
    const auto now =
        std::chrono::sys_days{std::chrono::December / 7 / 2026} + std::chrono::hours(9);
    const auto lastCheck = [this] {
        return ReadRegistryText(registry_, SettingsKeyPath, LastUpdateCheckValueName);
    };
    Store("YES");
    EXPECT_FALSE(ClaimDailyUpdateCheck(registry_, "", now));
    EXPECT_EQ(lastCheck(), "");
    EXPECT_TRUE(ClaimDailyUpdateCheck(registry_, "Home", now));
    EXPECT_EQ(lastCheck(), "2026-12-07 09:00:00");
    EXPECT_FALSE(ClaimDailyUpdateCheck(registry_, "Home", now + std::chrono::hours(23)));
}

TEST(DailyUpdateCheckText, OnlySpacesAreTrimmed) {
    EXPECT_TRUE(IsDailyUpdateCheckWanted("  yes  "));
    EXPECT_FALSE(IsDailyUpdateCheckWanted("\tYES"));
    EXPECT_FALSE(IsDailyUpdateCheckWanted("YES\r\n"));
}

}  // namespace
