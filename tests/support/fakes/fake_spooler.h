#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "common/platform/spooler.h"

// A spooler holding a list of printers in memory. Like Windows, it refuses to make a name the
// default that is not one of its printers; it records every name it was asked to make default.
class FakeSpooler final : public Spooler {
public:
    std::vector<std::string> printers;
    std::string defaultPrinter;
    std::vector<std::string> defaultRequests;

    bool SetDefaultPrinter(const std::string& printerName) override {
        defaultRequests.push_back(printerName);
        if (std::find(printers.begin(), printers.end(), printerName) == printers.end()) {
            return false;
        }
        defaultPrinter = printerName;
        return true;
    }

    std::vector<std::string> PrinterNames() override { return printers; }

    std::string PresentDefaultPrinter() override { return defaultPrinter; }
};
