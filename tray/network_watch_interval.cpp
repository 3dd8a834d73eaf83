#include "tray/network_watch.h"

const std::uint32_t NetworkWatchInterval = 60 * 1000;
