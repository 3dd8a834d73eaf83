#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/platform/processes.h"

// Records every start, shell action and mutex wait, and answers as scripted.
class RecordingProcesses final : public Processes {
public:
    struct Start {
        ProcessStart start;
        std::uint32_t errorMode;      // the error mode in force during the call
        std::size_t mutexesReleased;  // how many mutexes had been released before it
    };
    struct ShellAction {
        std::string operation;
        std::string file;
        std::string parameters;
        std::string directory;
        int showCommand;
    };
    struct MutexWait {
        std::string name;
        std::uint32_t timeout;
    };

    // Scripted answers.
    bool startSucceeds = true;
    std::uint32_t nextProcessId = 4242;
    std::intptr_t shellResult = 42;
    std::map<std::string, std::uint32_t> waitResults;  // by mutex name; missing: WaitObject0

    std::uint32_t errorMode = 0;
    std::vector<std::uint32_t> errorModesSet;
    std::vector<Start> starts;
    std::vector<ShellAction> shellActions;
    std::vector<MutexWait> mutexWaits;
    std::vector<std::string> mutexesReleased;

    std::uint32_t SetErrorMode(std::uint32_t mode) override {
        errorModesSet.push_back(mode);
        const std::uint32_t previous = errorMode;
        errorMode = mode;
        return previous;
    }

    bool CreateProcessW(const ProcessStart& start, std::uint32_t& processId) override {
        starts.push_back({start, errorMode, mutexesReleased.size()});
        if (!startSucceeds) {
            return false;
        }
        processId = nextProcessId;
        return true;
    }

    std::intptr_t ShellExecuteA(const std::string& operation, const std::string& file,
                                const std::string& parameters, const std::string& directory,
                                int showCommand) override {
        shellActions.push_back({operation, file, parameters, directory, showCommand});
        return shellResult;
    }

    std::uint32_t CreateMutexAndWait(const std::string& name,
                                     std::uint32_t timeoutMilliseconds) override {
        mutexWaits.push_back({name, timeoutMilliseconds});
        const auto scripted = waitResults.find(name);
        return scripted != waitResults.end() ? scripted->second : WaitObject0;
    }

    void ReleaseMutex(const std::string& name) override { mutexesReleased.push_back(name); }
};
