#pragma once

#include "common/platform/processes.h"

class Win32Processes final : public Processes {
public:
    std::uint32_t SetErrorMode(std::uint32_t mode) override;
    bool CreateProcessW(const ProcessStart& start, std::uint32_t& processId) override;
    std::intptr_t ShellExecuteA(const std::string& operation, const std::string& file,
                                const std::string& parameters, const std::string& directory,
                                int showCommand) override;
    std::uint32_t CreateMutexAndWait(const std::string& name,
                                     std::uint32_t timeoutMilliseconds) override;
    void ReleaseMutex(const std::string& name) override;
};
