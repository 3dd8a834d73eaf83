#include "test_folder.h"

#include <windows.h>

namespace ui {

std::filesystem::path BuildFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

TestFolder::TestFolder(const std::string& prefix) {
    static int counter = 0;
    path_ = BuildFolder() / (prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TestFolder::~TestFolder() {
    // A program that still runs from here keeps its file; the rest goes.
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool TestFolder::Copy(const std::filesystem::path& buildFile, const std::string& fileName) const {
    const std::filesystem::path copy =
        fileName.empty() ? path_ / buildFile.filename() : PathOf(fileName);
    return CopyFileW((BuildFolder() / buildFile).c_str(), copy.c_str(), FALSE) != FALSE;
}

}  // namespace ui
