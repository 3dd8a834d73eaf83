#include "common/services/spooler_error_text.h"

#include <array>
#include <utility>

namespace {

// The errors SetDefaultPrinterA gives in practice.
constexpr std::array<std::pair<SpoolerStatus, const char*>, 11> SpoolerErrors = {{
    {2, "the printer was not found"},
    {5, "access was denied"},
    {8, "there was not enough memory"},
    {14, "there was not enough memory"},
    {31, "the print spooler failed"},
    {87, "the printer name is not valid"},
    {122, "the printer name is too long"},
    {1722, "the print spooler is not running"},
    {ErrorInvalidPrinterName, "no printer of that name is installed"},
    {1905, "the printer has been deleted"},
    {3012, "no printer of that name is installed"},
}};

const char* KnownSpoolerError(SpoolerStatus status) {
    for (const auto& [code, words] : SpoolerErrors) {
        if (code == status) {
            return words;
        }
    }
    return nullptr;
}

std::string UnknownSpoolerError(SpoolerStatus status) {
    return "Windows error " + std::to_string(status);
}

}  // namespace

std::string SpoolerErrorWords(SpoolerStatus status) {
    const char* words = KnownSpoolerError(status);
    return words != nullptr ? words : UnknownSpoolerError(status);
}

std::string SpoolerErrorText(SpoolerStatus status) {
    const char* words = KnownSpoolerError(status);
    return words != nullptr ? std::string(words) + " (error " + std::to_string(status) + ")"
                            : UnknownSpoolerError(status);
}

std::string CouldNotSetPrinterText(const std::string& printerName, SpoolerStatus status) {
    return "Lumivo could not make " + printerName +
           " your default printer: " + SpoolerErrorWords(status) + ".";
}
