#pragma once

#include <cstdint>

#include "common/platform/registry.h"

// Where the Console's main window was when it last closed, in dialog units.
struct WindowPlacement {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Each value missing, empty or without a number reads as 0.
WindowPlacement ReadWindowPlacement(Registry& registry);

void SaveWindowPlacement(Registry& registry, const WindowPlacement& placement);
