#pragma once

#include <string>
#include <vector>

#include "support/ui/test_folder.h"

// A test's folder holding a copy of the program under test and stand-ins for the programs it
// starts. The stand-ins log their starts to "started.log".
class ProgramFolder : public ui::TestFolder {
public:
    using TestFolder::TestFolder;

    // Puts the stand-in program here under the given file name.
    bool AddStandIn(const std::string& fileName) const;

    // The stand-ins started so far: file name and command line of each, in order.
    struct Start {
        std::string fileName;
        std::string commandLine;
    };
    std::vector<Start> Starts() const;
    std::vector<std::string> StartedFileNames() const;
    // The file names once `count` starts are logged (the stand-ins run on their own), or what is
    // there after a few seconds.
    std::vector<std::string> WaitForStarts(std::size_t count) const;
};
