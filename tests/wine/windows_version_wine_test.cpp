// The version functions against the versions that Wine can be told to report.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/platform/win32/registry_win32.h"
#include "common/platform/win32/version_queries_win32.h"
#include "common/settings/windows_version.h"
#include "support/ui/test_folder.h"
#include "wine/probe_programs.h"

namespace fs = std::filesystem;

namespace {

const char AppDefaultsKey[] = "Software\\Wine\\AppDefaults\\version_probe.exe";
const char CurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// What the version probe writes, one answer a line, when Wine reports the given version to it.
std::string ProbeAnswersUnder(const std::string& wineVersion) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, AppDefaultsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return "(no AppDefaults key)";
    }
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(wineVersion.c_str()),
                   static_cast<DWORD>(wineVersion.size() + 1));
    RegCloseKey(key);

    const ui::TestFolder scratch("version-test");
    const fs::path answers = scratch.Path() / "answers.txt";
    const auto exitCode = RunToEnd(
        QuotedCommand(ProbeProgram("version_probe.exe"), answers.string()), scratch.Path(), 60000);
    RegDeleteTreeA(HKEY_CURRENT_USER, AppDefaultsKey);
    if (exitCode != 0u) {
        return "(probe failed)";
    }
    return ReadWholeFile(answers);
}

// Sets "DisplayVersion" for the life of the object and puts back what was there.
class DisplayVersionValue {
public:
    explicit DisplayVersionValue(const std::string& text) {
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, CurrentVersionKey, 0, KEY_READ | KEY_WRITE, &key_) !=
            ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        char previous[256] = {};
        DWORD size = sizeof(previous) - 1;
        hadValue_ = RegQueryValueExA(key_, "DisplayVersion", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(previous), &size) == ERROR_SUCCESS;
        previous_ = previous;
        Set(text);
    }
    ~DisplayVersionValue() {
        if (key_ == nullptr) {
            return;
        }
        if (hadValue_) {
            Set(previous_);
        } else {
            RegDeleteValueA(key_, "DisplayVersion");
        }
        RegCloseKey(key_);
    }
    DisplayVersionValue(const DisplayVersionValue&) = delete;
    DisplayVersionValue& operator=(const DisplayVersionValue&) = delete;

private:
    void Set(const std::string& text) {
        RegSetValueExA(key_, "DisplayVersion", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }

    HKEY key_ = nullptr;
    bool hadValue_ = false;
    std::string previous_;
};

TEST(WindowsVersionUnderWine, Windows8) {
    EXPECT_EQ(ProbeAnswersUnder("win8"), "yes\nWindows 8\nWindows 8 (OS Build 9200)\nyes\nno\n");
}

TEST(WindowsVersionUnderWine, Windows81IsFoundBehindTheReported62) {
    EXPECT_EQ(ProbeAnswersUnder("win81"),
              "yes\nWindows 8.1\nWindows 8.1 (OS Build 9600)\nyes\nno\n");
}

TEST(WindowsVersionUnderWine, ServerEditionIsAServerBeforeWindows8) {
    EXPECT_EQ(ProbeAnswersUnder("win2008"),
              "no\nWindows 2008\nWindows 2008 (OS Build 6002)\nyes\nyes\n");
}

TEST(WindowsVersionUnderWine, Windows10WithoutDisplayVersion) {
    const std::string answers = ProbeAnswersUnder("win10");
    EXPECT_EQ(answers.rfind("yes\nWindows 10\nWindows 10 Version  (OS Build ", 0), 0u) << answers;
    EXPECT_EQ(answers.substr(answers.find(')')), ")\nyes\nno\n") << answers;
}

// The programs' own tests run in this prefix, which reports Windows 10.
TEST(WindowsVersionUnderWine, TestPrefixIsWindows10WithItsDisplayVersion) {
    const DisplayVersionValue displayVersion(" 22H2 ");
    Win32VersionQueries versions;
    Win32Registry registry;
    EXPECT_TRUE(IsWindows8OrLater(versions));
    EXPECT_EQ(WindowsName(versions), "Windows 10");
    const std::string name = WindowsNameWithBuild(versions, registry);
    EXPECT_EQ(name.rfind("Windows 10 Version 22H2 (OS Build ", 0), 0u) << name;
    const std::string build = name.substr(34, name.size() - 35);
    EXPECT_EQ(name.back(), ')');
    EXPECT_FALSE(build.empty());
    EXPECT_EQ(build.find_first_not_of("0123456789"), std::string::npos) << build;
    EXPECT_LT(std::stoul(build), 22000u);
    EXPECT_TRUE(Is64BitWindows(versions));
    EXPECT_FALSE(IsWindowsServer(versions));
}

}  // namespace
