#pragma once

#include <string>
#include <vector>

#include "common/platform/registry.h"

// The window "View Last Printer Change" shows the Manager's record of its latest run.

// The record's lines in their order, or one line saying that the Manager has not run yet.
std::vector<std::string> LastRunLines(Registry& registry);
