#include "common/services/process_helpers.h"

#include "common/services/program_names.h"
#include "common/settings/options.h"
#include "common/settings/settings_keys.h"

namespace {

constexpr std::size_t ShellTargetLimit = 254;

}  // namespace

std::uint32_t StartProgram(Processes& processes, const std::string& fileName,
                           const std::string& arguments) {
    // Quoted, so that a name with a space such as "Lumivo Manager.exe" cannot be taken for a
    // program "Lumivo.exe" with an argument; the search order stays that of a bare name.
    ProcessStart start;
    start.commandLine = "\"" + fileName + "\"" + (arguments.empty() ? "" : " " + arguments);
    start.inheritHandles = false;
    start.creationFlags = NormalPriorityClass;
    start.startupFlags = StartfUseShowWindow;
    start.showWindow = SwShowNormal;

    // The system shows no error box of its own for a missing or broken program file.
    const std::uint32_t previousMode =
        processes.SetErrorMode(SemFailCriticalErrors | SemNoOpenFileErrorBox);
    std::uint32_t processId = 0;
    const bool started = processes.CreateProcessW(start, processId);
    processes.SetErrorMode(previousMode);
    return started ? processId : 0;
}

std::uint32_t StartTrayProgram(Registry& registry, Processes& processes) {
    if (!IsOptionEnabled(registry, SystemTrayValueName)) {
        return 0;
    }
    return StartProgram(processes, TrayFileName, TrayHandOverSwitch);
}

void OpenWithShell(Processes& processes, const std::string& target) {
    std::string file = target.substr(0, target.find('\0'));
    if (file.size() > ShellTargetLimit) {
        file.resize(ShellTargetLimit);
    }
    processes.ShellExecuteA("", file, "", "", SwShowNormal);
}

bool CheckSingleInstance(Processes& processes, const std::string& mutexName,
                         std::uint32_t patience) {
    // A name that cannot be had as a mutex (another kind of object holds it, or an instance that
    // this process may not open) counts as another instance: two of a program must not run.
    const std::uint32_t wait = processes.CreateMutexAndWait(mutexName, patience);
    return wait != WaitObject0 && wait != WaitAbandoned;
}

void ReleaseSingleInstance(Processes& processes, const std::string& mutexName) {
    processes.ReleaseMutex(mutexName);
}
