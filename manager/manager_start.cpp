#include "manager/manager_start.h"

#include "common/services/program_names.h"
#include "common/text/text_helpers.h"

namespace {

// A Manager at work holds the name for its settle pause and about 2.25 s for each connected
// entry of the table.
constexpr std::uint32_t TableChangePatience = 10000;

}  // namespace

ManagerStart ManagerStartFromCommandLine(const std::string& commandLine) {
    return {HasSwitch(commandLine, ManagerRetrySwitch),
            HasSwitch(commandLine, ManagerTableChangedSwitch) ? TableChangePatience : 0};
}
