#pragma once

#include <string>
#include <vector>

// A fresh folder for one test, beside the test program, holding a copy of the program under test
// and stand-ins for the programs it starts. The stand-ins log their starts to "started.log".
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& name);

    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& fileName) const { return path_ + "\\" + fileName; }

    // Copies a file from the build folder (where the test program lies) into this folder.
    bool Copy(const std::string& buildFileName, const std::string& fileName) const;
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

    // The folder of the test program, where the build puts every program.
    static std::string BuildFolder();

private:
    std::string path_;
};
