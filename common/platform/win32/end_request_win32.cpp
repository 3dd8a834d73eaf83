#include "common/platform/win32/end_request_win32.h"

Win32EndRequest::Win32EndRequest(const char* eventName)
    : event_(CreateEventA(nullptr, TRUE, FALSE, eventName)) {}

bool Win32EndRequest::WaitForEndRequest(std::uint32_t milliseconds) {
    if (asked_) {
        return true;
    }
    // Without the event nobody can ask; the pause still takes place.
    if (!event_) {
        Sleep(milliseconds);
        return false;
    }
    asked_ = WaitForSingleObject(event_.get(), milliseconds) == WAIT_OBJECT_0;
    return asked_;
}

void Win32EndRequest::WaitForObjectOrEndRequest(HANDLE object) {
    if (asked_) {
        return;
    }
    if (!event_) {
        WaitForSingleObject(object, INFINITE);
        return;
    }
    const HANDLE waits[] = {object, event_.get()};
    asked_ = WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
}
