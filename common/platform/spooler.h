#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// SetDefaultPrinterA is given at most this many characters of a printer name.
inline constexpr std::size_t MaxPrinterNameLength = 255;

// The Win32 error code of a spooler call; 0 when it succeeded.
using SpoolerStatus = std::uint32_t;

inline constexpr SpoolerStatus SpoolerSuccess = 0;
inline constexpr SpoolerStatus ErrorInvalidPrinterName = 1801;

// The print spooler: the printers the user can print to and which of them is the default.
class Spooler {
public:
    virtual ~Spooler() = default;

    // SetDefaultPrinterA: SpoolerSuccess, or the error code GetLastError gives when the spooler
    // refuses the name.
    virtual SpoolerStatus SetDefaultPrinterA(const std::string& printerName) = 0;

    // The names EnumPrintersA lists for local and connected printers, in its order.
    virtual std::vector<std::string> PrinterNames() = 0;

    // The default printer's name as the print dialog reports it; empty when there is none.
    virtual std::string PresentDefaultPrinter() = 0;
};
