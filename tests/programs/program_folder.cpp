#include "program_folder.h"

#include <fstream>

#include "support/ui/ui_helper.h"

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
    ui::WaitUntil([&] { return Starts().size() >= count; }, std::chrono::seconds(5));
    return StartedFileNames();
}
