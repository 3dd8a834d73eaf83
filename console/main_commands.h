#pragma once

#include <string>

// What the option buttons say when clicked: the choice takes effect at the next logon.
std::string ManagementOptionMessage(bool lumivoManages);
