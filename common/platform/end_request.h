#pragma once

#include <cstdint>

// A request from outside that a program end, such as an installer's before it replaces the
// program's files. Pauses of a program that may wait long go through here, so the request ends
// them.
class EndRequest {
public:
    virtual ~EndRequest() = default;

    // Pauses up to the given time, as Sleep does; true, at once, when the program has been asked
    // to end, before or during the pause. A pause of 0 only looks.
    virtual bool WaitForEndRequest(std::uint32_t milliseconds) = 0;
};
