#pragma once

#include <string>

#include "common/platform/network_list.h"

// Walks the Network List Manager once, within one COM initialisation of the calling thread, and
// writes everything it learns into a network report. Every object and text obtained from the
// platform is released before it returns. The empty text when the Network List Manager cannot
// be created.
std::string BuildNetworkReport(NetworkList& networks);
