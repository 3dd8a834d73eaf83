#pragma once

#include <cstdint>
#include <string>

#include "common/platform/registry.h"
#include "tray/network_watch.h"

// How the tray program was started. The Manager and the Console hand over to it with
// TrayHandOverSwitch on its command line; any other start (the user's own, for example) has none.
struct TrayStart {
    bool handOver = false;

    // How long the start waits for a tray program that still holds the single-instance name. A
    // hand-over waits for the one it replaces, which may still be closing its menu or an About
    // box; any other start ends at once beside a running tray program.
    std::uint32_t SingleInstancePatience() const;

    // A hand-over watches from the networks that the Manager applied last, so only a change
    // hands over again; any other start watches from an empty list, so its first look at a
    // connected network hands over.
    NetworkWatch Watch(Registry& registry) const;
};

// The start that a command line (without the program's name) describes: a hand-over when one of
// its words is TrayHandOverSwitch, in any letter case.
TrayStart TrayStartFromCommandLine(const std::string& commandLine);
