#pragma once

#include <cstdint>
#include <string>

#include "common/platform/processes.h"
#include "common/platform/registry.h"

// Starts another program of the system by its bare file name, searched for in the platform's
// order (the starter's own folder first), with the given arguments after the name. Returns its
// process id, or 0 when it could not be started; nothing is shown either way and nobody waits
// for the program.
std::uint32_t StartProgram(Processes& processes, const std::string& fileName,
                           const std::string& arguments = "");

// Starts the tray program as a hand-over (TrayHandOverSwitch) unless the "SystemTray" option is
// off. A tray program that already runs ends the second one, so nothing looks first. Returns the
// started program's process id, or 0 when the option is off or the start failed.
std::uint32_t StartTrayProgram(Registry& registry, Processes& processes);

// Opens a document or web address (its first 254 characters) with the shell's default action.
// A failure shows nothing.
void OpenWithShell(Processes& processes, const std::string& target);

// True when another process already holds the named single-instance mutex, or still holds it
// after `patience` milliseconds, or when the name cannot be created or opened as a mutex.
// Otherwise this process now holds it, until it ends or lets go.
bool CheckSingleInstance(Processes& processes, const std::string& mutexName,
                         std::uint32_t patience = 0);

// Lets the next instance start while this one is still ending.
void ReleaseSingleInstance(Processes& processes, const std::string& mutexName);
