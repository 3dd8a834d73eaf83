#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/settings/mapping_table.h"

// The notices the tray program shows in the notification area when the default printer changes,
// and its offer to learn a printer the user picked. The shell takes a title of at most
// MaxNoticeTitleLength characters and a text of at most MaxNoticeTextLength: long printer and
// network names are cut with "...". The names are given as stored (ANSI); the notice's texts are
// in the user's language, UTF-8.
struct PrinterNotice {
    std::string title;
    std::string text;

    friend bool operator==(const PrinterNotice&, const PrinterNotice&) = default;
};

inline constexpr std::size_t MaxNoticeTitleLength = 63;
inline constexpr std::size_t MaxNoticeTextLength = 255;

// "Office_Laser is now your default printer (network Office)."
PrinterNotice PrinterChangedNotice(const std::string& printerName, const std::string& networkName);

// The spooler refused the printer: "Lumivo could not make Office_Laser your default printer: no
// printer of that name is installed."
PrinterNotice PrinterNotSetNotice(const std::string& printerName, SpoolerStatus status);

// The spooler took the printer, but Windows reports another one as the default.
PrinterNotice OtherPrinterNotice(const std::string& printerName, const std::string& reported);

// "Use HP_Color whenever Office is connected? Click here to remember it."
PrinterNotice LearnPrinterOffer(const std::string& printerName, const std::string& networkName);

// The confirmation once the table holds the printer for the network.
PrinterNotice PrinterLearnedNotice(const std::string& printerName, const std::string& networkName);

// "Lumivo could not remember HP_Color for Office." and why the table did not take it.
PrinterNotice PrinterNotLearnedNotice(const std::string& printerName,
                                      const std::string& networkName, TableChange refusal);

// The Manager leaves the notice of its run as "PrinterNotice" for the tray program it starts;
// nothing to tell leaves the value empty.
void WritePrinterNotice(Registry& registry, const std::optional<PrinterNotice>& notice);

// The notice the Manager left, taken once: the value is emptied, so that a later start of the
// tray program does not show it again.
std::optional<PrinterNotice> TakePrinterNotice(Registry& registry);
