#include "manager/run_outcome.h"

std::optional<PrinterNotice> NoticeOfRun(const std::optional<LastMatch>& last) {
    if (!last) {
        return std::nullopt;
    }
    const std::string& printer = last->entry.printerName;
    if (last->status != SpoolerSuccess) {
        return PrinterNotSetNotice(printer, last->status);
    }
    if (last->reported != printer) {
        return OtherPrinterNotice(printer, last->reported);
    }
    if (last->defaultBefore == printer) {
        return std::nullopt;
    }
    return PrinterChangedNotice(printer, last->entry.networkName);
}
