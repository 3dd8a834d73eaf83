#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/platform/win32/registry_win32.h"

// Every Console test starts from an empty settings key with the update check and the tray program
// switched off, and without policies, and leaves no settings or policies behind. Windows' management value is put back as it was.
class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void SetSetting(const std::string& valueName, const std::string& text);
    std::string Setting(const std::string& valueName);

    Win32Registry registry_;

private:
    bool hadLegacyMode_ = false;
    std::uint32_t legacyMode_ = 0;
};
