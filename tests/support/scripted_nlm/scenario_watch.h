#pragma once

#include <windows.h>
#include <netlistmgr.h>

// The events of the scripted Network List Manager. A watch belongs to one advised sink and to the
// thread that advised it: a hidden window of that thread looks at the scenario file's last-write
// time every 200 ms and, when it changed, reads the file again and calls the sink, on that
// thread, for each network that was deleted, added (then connectivity changed when it comes
// connected), whose connection or connectivity changed (NetworkConnectivityChanged) or whose
// name, description, category or number of connections changed (NetworkPropertyChanged).
// Networks are told apart by their identifiers.

// Starts a watch for the sink on the calling thread, which must pump messages; nullptr when its
// window cannot be made. The watch holds a reference to the sink until it ends.
HWND StartScenarioWatch(INetworkEvents* sink);

// Ends a watch and releases its sink on the watch's own thread (at once when called there).
void EndScenarioWatch(HWND watch);
