#pragma once

// The programs start each other by these bare file names, so they find each other when they are
// installed side by side in one folder.
inline constexpr const char* ConsoleFileName = "Lumivo Console.exe";
inline constexpr const char* ManagerFileName = "Lumivo Manager.exe";
inline constexpr const char* TrayFileName = "LMVTray.exe";

// Names of the mutexes that keep the Manager and the tray program to one instance each.
inline constexpr const char* ManagerMutexName = "LMV-Manager";
inline constexpr const char* TrayMutexName = "LMV-Tray";

// The Manager and the Console start the tray program with this argument: it is a hand-over, so
// the tray program compares the connected networks with those the Manager applied last
// ("AppliedNetworks") rather than starting from an empty list.
inline constexpr const char* TrayHandOverSwitch = "/handover";

// The Console starts the Manager with this argument when OK closes it on a changed table: the
// Manager then waits a few seconds for another Manager that still holds its single-instance name.
inline constexpr const char* ManagerTableChangedSwitch = "/tablechanged";

// The tray program starts the Manager with this argument at its minute tick while the printer
// meant to stay the default could not be set: the Manager then retries only the printers it could
// not set ("PrinterRetry").
inline constexpr const char* ManagerRetrySwitch = "/retry";

// Name of the event on which an installer asks a running Manager to end before it replaces or
// removes the programs; it resets the event when it is done.
inline constexpr const char* ManagerEndEventName = "LMV-Manager-End";

// The tray program starts the Console with this argument when the user clicks a notice of a
// printer change: the Console then shows what the Manager did ("View Last Printer Change").
inline constexpr const char* ConsoleLastRunSwitch = "/lastrun";
