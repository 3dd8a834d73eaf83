#pragma once

#include <windows.h>

#include "common/platform/end_request.h"
#include "common/platform/win32/unique_handles_win32.h"

// The request is a named manual-reset event: whoever sets it first (the program or the asker)
// creates it. The installer sets it before it replaces the files and resets it when it is done,
// so a program started after the install runs normally; one that saw the request keeps to it.
class Win32EndRequest final : public EndRequest {
public:
    explicit Win32EndRequest(const char* eventName);
    bool WaitForEndRequest(std::uint32_t milliseconds) override;

    // Waits until the object is signalled or the program is asked to end, whichever is first.
    void WaitForObjectOrEndRequest(HANDLE object);

private:
    UniqueHandle event_;
    bool asked_ = false;
};
