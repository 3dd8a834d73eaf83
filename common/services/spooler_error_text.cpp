#include "common/services/spooler_error_text.h"

#include <array>
#include <utility>

#include "common/text/texts.h"

namespace {

// The errors SetDefaultPrinterA gives in practice.
constexpr std::array<std::pair<SpoolerStatus, unsigned>, 11> SpoolerErrors = {{
    {2, IDS_SPOOLER_NOT_FOUND},
    {5, IDS_SPOOLER_ACCESS_DENIED},
    {8, IDS_SPOOLER_NO_MEMORY},
    {14, IDS_SPOOLER_NO_MEMORY},
    {31, IDS_SPOOLER_FAILED},
    {87, IDS_SPOOLER_NAME_NOT_VALID},
    {122, IDS_SPOOLER_NAME_TOO_LONG},
    {1722, IDS_SPOOLER_NOT_RUNNING},
    {ErrorInvalidPrinterName, IDS_SPOOLER_NOT_INSTALLED},
    {1905, IDS_SPOOLER_DELETED},
    {3012, IDS_SPOOLER_NOT_INSTALLED},
}};

unsigned KnownSpoolerError(SpoolerStatus status) {
    for (const auto& [code, words] : SpoolerErrors) {
        if (code == status) {
            return words;
        }
    }
    return 0;
}

std::string UnknownSpoolerError(SpoolerStatus status) {
    return Text(IDS_SPOOLER_WINDOWS_ERROR, {std::to_string(status)});
}

}  // namespace

std::string SpoolerErrorWords(SpoolerStatus status) {
    const unsigned words = KnownSpoolerError(status);
    return words != 0 ? Text(words) : UnknownSpoolerError(status);
}

std::string SpoolerErrorText(SpoolerStatus status) {
    const unsigned words = KnownSpoolerError(status);
    return words != 0 ? Text(IDS_SPOOLER_ERROR_CODE, {Text(words), std::to_string(status)})
                      : UnknownSpoolerError(status);
}

std::string CouldNotSetPrinterText(const std::string& printerName, SpoolerStatus status) {
    return Text(IDS_COULD_NOT_SET_PRINTER, {printerName, SpoolerErrorWords(status)});
}
