#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ui/test_folder.h"

// The three real programs as a user has them: side by side in one folder of their own, so that
// they find each other by their bare file names. The folder goes at the end with every program
// that still runs from it.
class InstalledPrograms {
public:
    InstalledPrograms();
    ~InstalledPrograms();
    InstalledPrograms(const InstalledPrograms&) = delete;
    InstalledPrograms& operator=(const InstalledPrograms&) = delete;

    // False when a program could not be copied from the build.
    bool IsComplete() const { return complete_; }
    const std::filesystem::path& Folder() const { return folder_.Path(); }
    std::filesystem::path PathOf(const std::string& fileName) const {
        return folder_.PathOf(fileName);
    }

    // Puts a test build of a program in the place of the program's file.
    bool Replace(const std::string& fileName, const std::string& buildFile) const {
        return folder_.Copy(buildFile, fileName);
    }

    // The ids of the processes that run this folder's copy of the program now.
    std::vector<DWORD> RunningIds(const std::string& fileName) const;

    // Ends every program that runs from the folder, also those that one of them starts while
    // they go: tray programs are asked to close first, so that their icons go with them.
    void EndAll() const;

private:
    ui::TestFolder folder_{"system"};
    bool complete_ = true;
};
