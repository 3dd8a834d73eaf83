// Test helper: leaves a mark that it ran. It writes its process id and its command line, one per
// line, to a file named like its own executable with ".ran" added, and exits.
#include <windows.h>

#include <string>

int main() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 1;
    }
    const std::string markPath = std::string(path) + ".ran";
    const std::string mark = std::to_string(GetCurrentProcessId()) + "\n" + GetCommandLineA();
    // Written under another name first, so a reader never sees half a mark.
    const std::string partPath = markPath + ".part";
    HANDLE file = CreateFileA(partPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, mark.data(), static_cast<DWORD>(mark.size()), &written, nullptr);
    CloseHandle(file);
    if (!wrote || !MoveFileExA(partPath.c_str(), markPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return 1;
    }
    return 0;
}
