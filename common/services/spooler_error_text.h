#pragma once

#include <string>

#include "common/platform/spooler.h"

// Why the spooler refused a printer, in words a user can act on ("no printer of that name is
// installed"); "Windows error N" for an error without words of its own.
std::string SpoolerErrorWords(SpoolerStatus status);

// The same with the error code for whoever looks it up: "no printer of that name is installed
// (error 1801)", or "Windows error N".
std::string SpoolerErrorText(SpoolerStatus status);

// What a user is told when a printer could not be made the default: "Lumivo could not make
// Office_Laser your default printer: no printer of that name is installed." The name is given as
// it is shown (UTF-8).
std::string CouldNotSetPrinterText(const std::string& printerName, SpoolerStatus status);
