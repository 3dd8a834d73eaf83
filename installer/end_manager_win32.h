#pragma once

#include <cstdint>

// Waits, at most until the tick count reaches the deadline, for every Manager of this session to
// end; the caller has asked them to. False when none was running.
bool WaitForManagersToEnd(std::uint64_t deadline);
