#pragma once

#include <string>

#include "common/settings/mapping_table.h"

// Why a change of the mapping table did not go through, in one sentence for a message box or a
// notice; empty when it was stored.
std::string TableChangeFailureText(TableChange result);
