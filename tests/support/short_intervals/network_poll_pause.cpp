// The Manager's pause between two looks for a connected network, for a test build: short, so
// that a test sees many polls in a few seconds. Linked before the Manager's library, this
// definition takes the place of the shipped one.
#include "manager/manager_cycle.h"

#ifndef LUMIVO_TEST_NETWORK_POLL_MS
#error "LUMIVO_TEST_NETWORK_POLL_MS must give the test build's pause between polls"
#endif

const std::uint32_t NetworkPollPause = LUMIVO_TEST_NETWORK_POLL_MS;
