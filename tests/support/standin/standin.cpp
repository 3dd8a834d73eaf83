// Stands in for a program that another one starts ("Lumivo Console.exe", "Lumivo Manager.exe"):
// it appends its own file name and the command line it was given to "started.log" in its own
// folder, then ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    const std::string fileName = folder.substr(folder.find_last_of('\\') + 1);
    folder.erase(folder.find_last_of('\\'));

    const std::string line = fileName + "\t" + GetCommandLineA() + "\r\n";
    HANDLE log = CreateFileA((folder + "\\started.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
