#include "tray/network_event_burst.h"

#include <algorithm>

std::uint32_t NetworkEventBurst::DelayAfterEvent(std::uint64_t now) {
    if (!firstEvent_) {
        firstEvent_ = now;
    }
    const std::uint64_t deadline = *firstEvent_ + NetworkEventDeadline;
    const std::uint64_t left = deadline > now ? deadline - now : 0;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(NetworkEventDelay, left));
}
