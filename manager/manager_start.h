#pragma once

#include <cstdint>
#include <string>

// How long a Manager started with this command line (without the program's name) waits for
// another Manager that still holds the single-instance name. The Console starts one with
// ManagerTableChangedSwitch when OK closes it on a changed table: that edit must reach the
// printer also while another Manager finishes its run, but a Manager that waits for a network may
// hold the name for hours, so the wait is bounded. Any other start ends at once beside a running
// Manager.
std::uint32_t ManagerSingleInstancePatience(const std::string& commandLine);
