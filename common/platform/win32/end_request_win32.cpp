#include "common/platform/win32/end_request_win32.h"

#include <windows.h>

Win32EndRequest::Win32EndRequest(const char* eventName)
    : event_(CreateEventA(nullptr, TRUE, FALSE, eventName)) {}

bool Win32EndRequest::WaitForEndRequest(std::uint32_t milliseconds) {
    // Without the event nobody can ask; the pause still takes place.
    if (!event_) {
        Sleep(milliseconds);
        return false;
    }
    return WaitForSingleObject(event_.get(), milliseconds) == WAIT_OBJECT_0;
}
