#pragma once

#include "common/platform/spooler.h"

class Win32Spooler final : public Spooler {
public:
    SpoolerStatus SetDefaultPrinterA(const std::string& printerName) override;
    std::vector<std::string> PrinterNames() override;
    std::string PresentDefaultPrinter() override;
};
