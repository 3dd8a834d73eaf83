#pragma once

#include <cstddef>
#include <string>

#include "common/platform/internet.h"

// The most of a body that a fetch keeps. A version file is a few bytes; this bound keeps a broken
// or hostile server from filling the memory.
inline constexpr std::size_t FetchedTextLimit = 64 * 1024;

// The body at url, bytes as they come, over a direct connection (no proxy) that writes nothing to
// the cache. The empty text when the connection or the request cannot be opened; what was read so
// far when a read fails part-way; at most FetchedTextLimit bytes.
std::string FetchUrlText(Internet& internet, const std::string& url);
