// The tray program's network watch for a test build: a tick every few seconds instead of every
// minute, so that a test sees the hand-over without waiting a minute. Linked before the tray
// library, this definition takes the place of the shipped one.
#include "tray/network_watch.h"

#ifndef LUMIVO_TEST_NETWORK_WATCH_MS
#error "LUMIVO_TEST_NETWORK_WATCH_MS must give the test build's network watch interval"
#endif

const std::uint32_t NetworkWatchInterval = LUMIVO_TEST_NETWORK_WATCH_MS;
