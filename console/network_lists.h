#pragma once

#include <string>
#include <vector>

// The network list windows: a name list ("A, B") becomes one name per line, and the window shows
// the non-empty lines, trimmed.

// Every ", " and then every remaining "," replaced by CR LF, so a name holding a comma is cut.
std::string NetworkListText(const std::string& nameList);

// The text cut at every CR LF, each piece without spaces at its ends, empty pieces left out.
std::vector<std::string> NetworkListLines(const std::string& listText);
