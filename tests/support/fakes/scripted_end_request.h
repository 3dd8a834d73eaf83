#pragma once

#include "common/platform/clock.h"
#include "common/platform/end_request.h"

// Pauses on the test's clock until the test sets `asked`; from then on every wait answers at
// once that the program was asked to end.
class ScriptedEndRequest final : public EndRequest {
public:
    explicit ScriptedEndRequest(Clock& clock) : clock_(clock) {}

    bool WaitForEndRequest(std::uint32_t milliseconds) override {
        if (!asked && milliseconds > 0) {
            clock_.Sleep(milliseconds);
        }
        return asked;
    }

    bool asked = false;

private:
    Clock& clock_;
};
