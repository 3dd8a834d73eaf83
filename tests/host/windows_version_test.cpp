#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/settings/registry_access.h"
#include "common/settings/windows_version.h"
#include "support/fakes/in_memory_registry.h"
#include "support/fakes/scripted_version_queries.h"

namespace {

const char CurrentVersionPath[] =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

struct NamedVersion {
    std::uint32_t platform;
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t build;
    std::uint8_t productType;
    std::string name;
    std::string nameWithBuild;
};

class WindowsNames : public ::testing::Test {
protected:
    void SetDisplayVersion(const std::string& text) {
        WriteRegistryText(registry_, CurrentVersionPath, "DisplayVersion", text);
    }

    void ExpectNames(ScriptedVersionQueries& versions, const std::string& name,
                     const std::string& nameWithBuild) {
        EXPECT_EQ(WindowsName(versions), name);
        EXPECT_EQ(WindowsNameWithBuild(versions, registry_), nameWithBuild);
    }

    void ExpectNames(const NamedVersion& version) {
        auto versions = ScriptedVersionQueries::Reporting(
            version.platform, version.major, version.minor, version.build, version.productType);
        SCOPED_TRACE(std::to_string(version.platform) + " " + std::to_string(version.major) + "." +
                     std::to_string(version.minor) + "." + std::to_string(version.build) +
                     " type " + std::to_string(version.productType));
        ExpectNames(versions, version.name, version.nameWithBuild);
    }

    InMemoryRegistry registry_;
};

TEST_F(WindowsNames, EveryRowOfTheTable) {
    SetDisplayVersion("  22H2 ");
    const std::vector<NamedVersion> rows = {
        {1, 4, 0, 950, 0, "Windows 95", "Windows 95 (OS Build 950)"},
        {1, 4, 0, 1111, 0, "Windows 95 OSR2", "Windows 95 OSR2 (OS Build 1111)"},
        {1, 4, 10, 1998, 0, "Windows 98", "Windows 98 (OS Build 1998)"},
        {1, 4, 10, 2222, 0, "Windows 98 SE", "Windows 98 SE (OS Build 2222)"},
        {1, 4, 90, 3000, 0, "Windows ME", "Windows ME (OS Build 3000)"},
        {2, 3, 0, 528, 1, "Windows NT v3", "Windows NT v3 (OS Build 528)"},
        {2, 3, 1, 511, 1, "Windows NT v3.1", "Windows NT v3.1 (OS Build 511)"},
        {2, 4, 0, 1381, 1, "Windows NT v4", "Windows NT v4 (OS Build 1381)"},
        {2, 5, 0, 2195, 1, "Windows 2000", "Windows 2000 (OS Build 2195)"},
        {2, 5, 2, 3790, 3, "Windows 2003", "Windows 2003 (OS Build 3790)"},
        {2, 5, 1, 2600, 1, "Windows XP", "Windows XP (OS Build 2600)"},
        {2, 6, 0, 6002, 1, "VISTA", "VISTA (OS Build 6002)"},
        {2, 6, 0, 6003, 3, "Windows 2008", "Windows 2008 (OS Build 6003)"},
        {2, 6, 1, 7601, 3, "Windows 2008 R2", "Windows 2008 R2 (OS Build 7601)"},
        {2, 6, 1, 7601, 1, "Windows 7", "Windows 7 (OS Build 7601)"},
        {2, 6, 2, 9200, 1, "Windows 8", "Windows 8 (OS Build 9200)"},
        {2, 6, 2, 9200, 3, "Windows 2012", "Windows 2012 (OS Build 9200)"},
        {2, 6, 3, 9600, 1, "Windows 8.1", "Windows 8.1 (OS Build 9600)"},
        {2, 6, 3, 9600, 2, "Windows 2012 R2", "Windows 2012 R2 (OS Build 9600)"},
        {2, 10, 0, 19045, 1, "Windows 10", "Windows 10 Version 22H2 (OS Build 19045)"},
        {2, 10, 0, 22631, 1, "Windows 11", "Windows 11 Version 22H2 (OS Build 22631)"},
        {2, 10, 0, 20348, 3, "Windows 2016", "Windows 2016 (20348)"},
        {2, 6, 4, 9841, 1, "Windows version unknown", "Windows version unknown"},
    };
    for (const NamedVersion& row : rows) {
        ExpectNames(row);
    }
}

TEST_F(WindowsNames, EmptyCellsAreNoCondition) {
    SetDisplayVersion("21H2");
    const std::vector<NamedVersion> rows = {
        // Any minor version of 4.0 with build 950 is Windows 95; 5.x with 2195 is Windows 2000.
        {1, 4, 3, 950, 0, "Windows 95", "Windows 95 (OS Build 950)"},
        {2, 5, 7, 2195, 0, "Windows 2000", "Windows 2000 (OS Build 2195)"},
        // Rows from Windows 2008 on ask nothing of the platform.
        {0, 6, 3, 9600, 1, "Windows 8.1", "Windows 8.1 (OS Build 9600)"},
        {1, 6, 0, 6001, 3, "Windows 2008", "Windows 2008 (OS Build 6001)"},
        {7, 10, 5, 19044, 1, "Windows 10", "Windows 10 Version 21H2 (OS Build 19044)"},
        // Product type 0 is not workstation.
        {2, 6, 2, 9200, 0, "Windows 2012", "Windows 2012 (OS Build 9200)"},
    };
    for (const NamedVersion& row : rows) {
        ExpectNames(row);
    }
}

TEST_F(WindowsNames, ConditionsThatFailFallToLaterRowsOrToUnknown) {
    const std::vector<NamedVersion> rows = {
        // Builds are whole 32-bit numbers: the Windows 98 build with its version in the high word
        // is no listed build.
        {1, 4, 10, 0x040A07CE, 0, "Windows version unknown", "Windows version unknown"},
        {2, 4, 0, 1057, 1, "Windows version unknown", "Windows version unknown"},
        {2, 5, 1, 3790, 1, "Windows version unknown", "Windows version unknown"},
        {2, 7, 0, 9200, 1, "Windows version unknown", "Windows version unknown"},
        {1, 6, 0, 6000, 1, "Windows version unknown", "Windows version unknown"},
        // Windows 2003 and XP each need their own build.
        {2, 5, 2, 2600, 1, "Windows version unknown", "Windows version unknown"},
    };
    for (const NamedVersion& row : rows) {
        ExpectNames(row);
    }
}

TEST_F(WindowsNames, Windows81IsToldByRtlGetVersion) {
    auto versions = ScriptedVersionQueries::Reporting(2, 6, 2, 9200, 1);
    versions.trueVersion = WindowsVersionRecord{6, 3, 9600, 2, 1};
    ExpectNames(versions, "Windows 8.1", "Windows 8.1 (OS Build 9600)");
}

TEST_F(WindowsNames, Windows11IsToldByRtlGetVersion) {
    SetDisplayVersion("23H2");
    auto versions = ScriptedVersionQueries::Reporting(2, 6, 2, 9200, 1);
    versions.trueVersion = WindowsVersionRecord{10, 0, 22631, 2, 1};
    ExpectNames(versions, "Windows 11", "Windows 11 Version 23H2 (OS Build 22631)");
}

TEST_F(WindowsNames, WithoutRtlGetVersionThePlainAnswerStands) {
    auto versions = ScriptedVersionQueries::Reporting(2, 6, 2, 9200, 1);
    versions.trueVersion.reset();
    ExpectNames(versions, "Windows 8", "Windows 8 (OS Build 9200)");
}

TEST_F(WindowsNames, RtlGetVersionCorrectsOnly62) {
    // A program that declares its supported versions sees the true version from the plain query.
    auto versions = ScriptedVersionQueries::Reporting(2, 6, 3, 9600, 1);
    versions.trueVersion = WindowsVersionRecord{10, 0, 19045, 2, 1};
    ExpectNames(versions, "Windows 8.1", "Windows 8.1 (OS Build 9600)");
    EXPECT_EQ(versions.rtlGetVersionCalls, 0);
}

TEST_F(WindowsNames, Build22000IsWhereWindows11Begins) {
    SetDisplayVersion("21H2");
    auto below = ScriptedVersionQueries::Reporting(2, 10, 0, 21999, 1);
    ExpectNames(below, "Windows 10", "Windows 10 Version 21H2 (OS Build 21999)");
    auto exactly = ScriptedVersionQueries::Reporting(2, 10, 0, 22000, 1);
    ExpectNames(exactly, "Windows 11", "Windows 11 Version 21H2 (OS Build 22000)");
}

TEST_F(WindowsNames, MissingDisplayVersionLeavesTwoSpaces) {
    auto windows10 = ScriptedVersionQueries::Reporting(2, 10, 0, 19041, 1);
    ExpectNames(windows10, "Windows 10", "Windows 10 Version  (OS Build 19041)");
    auto windows11 = ScriptedVersionQueries::Reporting(2, 10, 0, 22000, 1);
    ExpectNames(windows11, "Windows 11", "Windows 11 Version  (OS Build 22000)");
}

TEST_F(WindowsNames, ServerOf10NamesNoDisplayVersionAndNoOsBuildWords) {
    SetDisplayVersion("21H2");
    auto versions = ScriptedVersionQueries::Reporting(2, 10, 0, 26100, 3);
    ExpectNames(versions, "Windows 2016", "Windows 2016 (26100)");
}

TEST_F(WindowsNames, FailedQueryIsUnknown) {
    auto versions = ScriptedVersionQueries::Reporting(2, 10, 0, 19045, 1);
    versions.versionQueriesFail = true;
    ExpectNames(versions, "Windows version unknown", "Windows version unknown");
}

TEST(IsWindows8OrLater, FromVersion62On) {
    const std::vector<std::pair<std::pair<std::uint32_t, std::uint32_t>, bool>> cases = {
        {{5, 2}, false}, {{6, 0}, false}, {{6, 1}, false}, {{6, 2}, true},
        {{6, 3}, true},  {{10, 0}, true}, {{7, 0}, true},  {{0, 0}, false},
    };
    for (const auto& [version, expected] : cases) {
        auto versions = ScriptedVersionQueries::Reporting(2, version.first, version.second, 1, 1);
        EXPECT_EQ(IsWindows8OrLater(versions), expected) << version.first << "." << version.second;
    }
}

TEST(IsWindows8OrLater, AsksThePlainQueryOnly) {
    auto versions = ScriptedVersionQueries::Reporting(2, 6, 1, 7601, 1);
    versions.trueVersion = WindowsVersionRecord{10, 0, 19045, 2, 1};
    EXPECT_FALSE(IsWindows8OrLater(versions));
}

TEST(IsWindows8OrLater, FailedQueryIsFalse) {
    auto versions = ScriptedVersionQueries::Reporting(2, 10, 0, 19045, 1);
    versions.versionQueriesFail = true;
    EXPECT_FALSE(IsWindows8OrLater(versions));
}

TEST(Is64BitWindows, NativeArchitectureMustBeAmd64) {
    const std::vector<std::pair<std::uint16_t, bool>> cases = {
        {ProcessorArchitectureAmd64, true},
        {ProcessorArchitectureArm64, false},
        {ProcessorArchitectureIa64, false},
        {0, false},
    };
    for (const auto& [architecture, expected] : cases) {
        ScriptedVersionQueries versions;
        versions.nativeArchitecture = architecture;
        versions.systemInfoArchitecture = ProcessorArchitectureAmd64;
        EXPECT_EQ(Is64BitWindows(versions), expected) << "architecture " << architecture;
    }
}

TEST(Is64BitWindows, WithoutGetNativeSystemInfoAmd64AndIa64Count) {
    const std::vector<std::pair<std::uint16_t, bool>> cases = {
        {ProcessorArchitectureAmd64, true},
        {ProcessorArchitectureIa64, true},
        {ProcessorArchitectureArm64, false},
        {0, false},
    };
    for (const auto& [architecture, expected] : cases) {
        ScriptedVersionQueries versions;
        versions.systemInfoArchitecture = architecture;
        EXPECT_EQ(Is64BitWindows(versions), expected) << "architecture " << architecture;
    }
}

TEST(IsWindowsServer, AnyProductTypeButWorkstation) {
    const std::vector<std::pair<std::uint8_t, bool>> cases = {{1, false}, {2, true}, {3, true}};
    for (const auto& [productType, expected] : cases) {
        auto versions = ScriptedVersionQueries::Reporting(2, 10, 0, 19045, productType);
        EXPECT_EQ(IsWindowsServer(versions), expected) << "product type " << int{productType};
    }
}

}  // namespace
