#pragma once

#include <cstdint>
#include <optional>

// Windows reports one change of networks as a burst of events. The watch runs once, when the
// burst has been quiet for NetworkEventDelay, but no later than NetworkEventDeadline after its
// first event, so that a steady stream of events cannot put it off for ever.
class NetworkEventBurst {
public:
    // An event at `now` (milliseconds on a steady clock): how long from now the watch is due.
    std::uint32_t DelayAfterEvent(std::uint64_t now);

    // The watch has run; the next event starts a new burst.
    void End() { firstEvent_.reset(); }

private:
    std::optional<std::uint64_t> firstEvent_;
};

inline constexpr std::uint32_t NetworkEventDelay = 500;
inline constexpr std::uint32_t NetworkEventDeadline = 5000;
