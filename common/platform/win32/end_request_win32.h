#pragma once

#include "common/platform/end_request.h"
#include "common/platform/win32/unique_handles_win32.h"

// The request is a named manual-reset event: whoever sets it first (the program or the asker)
// creates it, and it stays set while the asker holds it, so a program started meanwhile under the
// same name ends too.
class Win32EndRequest final : public EndRequest {
public:
    explicit Win32EndRequest(const char* eventName);
    bool WaitForEndRequest(std::uint32_t milliseconds) override;

private:
    UniqueHandle event_;
};
