#pragma once

#include <filesystem>
#include <string>

namespace ui {

// The folder of the test program, where the build puts every program.
std::filesystem::path BuildFolder();

// A fresh, empty folder of one test beside the test program, for copies of programs from the
// build and the files they and the test write. It goes at the end with everything in it.
class TestFolder {
public:
    // The folder's name starts with the prefix and is unique to this process and object.
    explicit TestFolder(const std::string& prefix);
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path PathOf(const std::string& fileName) const { return path_ / fileName; }

    // Copies a file of the build folder (a path relative to it) here under the file name, or
    // under its own name when none is given, replacing what is there.
    bool Copy(const std::filesystem::path& buildFile, const std::string& fileName = {}) const;

private:
    std::filesystem::path path_;
};

}  // namespace ui
