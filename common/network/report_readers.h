#pragma once

#include <string>
#include <string_view>

// Readers that take network names out of a network report by its labels. Each takes the text
// still to be read and sets rest to the text after what it consumed; rest views the same
// characters, so walking a whole report costs time in proportion to its length. A label counts
// only where a line begins (the text's own start counts as one), so a network name that holds a
// label cannot fake a name or a connected network.

// The name of the next connected network, or the empty text (rest empty) when no further
// connected block exists. A connected block that has no name line, because the name query
// failed, is passed over: it neither ends the list nor stands for a name of its own.
std::string NextConnectedNetworkName(std::string_view text, std::string_view& rest);

// The next name of any network, or the empty text (rest empty) when no further name line exists.
// Rest begins with the line after the name line.
std::string NextNetworkName(std::string_view text, std::string_view& rest);
