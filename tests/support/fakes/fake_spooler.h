#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/platform/spooler.h"

// Printers held in memory. Like the real spooler it refuses to make an unknown name the default,
// with the same error, and it keeps every name it was asked to make the default.
class FakeSpooler final : public Spooler {
public:
    explicit FakeSpooler(std::vector<std::string> printerNames = {},
                         std::string initialDefault = {})
        : printers(std::move(printerNames)), defaultPrinter(std::move(initialDefault)) {}

    std::vector<std::string> printers;
    std::string defaultPrinter;
    std::vector<std::string> setDefaultCalls;
    // When set, the spooler takes every name, but this printer stays the default, as Windows does
    // when it manages the default printer itself.
    std::string keptDefault;

    // Called with each name before the spooler takes it.
    std::function<void(const std::string&)> beforeSetDefault = [](const std::string&) {};
    SpoolerStatus SetDefaultPrinterA(const std::string& printerName) override {
        beforeSetDefault(printerName);
        setDefaultCalls.push_back(printerName);
        if (std::find(printers.begin(), printers.end(), printerName) == printers.end()) {
            return ErrorInvalidPrinterName;
        }
        defaultPrinter = keptDefault.empty() ? printerName : keptDefault;
        return SpoolerSuccess;
    }

    std::vector<std::string> PrinterNames() override { return printers; }

    std::string PresentDefaultPrinter() override { return defaultPrinter; }
};
