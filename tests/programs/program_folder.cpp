#include "program_folder.h"

#include <windows.h>

#include <chrono>
#include <fstream>
#include <thread>

std::string ProgramFolder::BuildFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

ProgramFolder::ProgramFolder(const std::string& name) {
    const std::string parent = BuildFolder() + "\\program-tests";
    CreateDirectoryA(parent.c_str(), nullptr);
    path_ = parent + "\\" + name;
    CreateDirectoryA(path_.c_str(), nullptr);
    // Leftovers of an earlier run.
    DeleteFileA(PathOf("started.log").c_str());
}

bool ProgramFolder::Copy(const std::string& buildFileName, const std::string& fileName) const {
    return CopyFileA((BuildFolder() + "\\" + buildFileName).c_str(), PathOf(fileName).c_str(),
                     FALSE) != FALSE;
}

bool ProgramFolder::AddStandIn(const std::string& fileName) const {
    return Copy("lumivo_standin.exe", fileName);
}

std::vector<ProgramFolder::Start> ProgramFolder::Starts() const {
    std::vector<Start> starts;
    std::ifstream log(PathOf("started.log"));
    std::string line;
    while (std::getline(log, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto tab = line.find('\t');
        starts.push_back(
            {line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
    }
    return starts;
}

std::vector<std::string> ProgramFolder::StartedFileNames() const {
    std::vector<std::string> names;
    for (const Start& start : Starts()) {
        names.push_back(start.fileName);
    }
    return names;
}

std::vector<std::string> ProgramFolder::WaitForStarts(std::size_t count) const {
    for (int attempt = 0; attempt < 100 && Starts().size() < count; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return StartedFileNames();
}
