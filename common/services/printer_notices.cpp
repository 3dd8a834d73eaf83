#include "common/services/printer_notices.h"

#include "common/services/table_change_text.h"

#include <algorithm>
#include <vector>

#include "common/services/spooler_error_text.h"
#include "common/settings/mapping_table.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

constexpr char Ellipsis[] = "...";
constexpr char ChangedTitle[] = "Default printer changed";
constexpr char NotChangedTitle[] = "Default printer not changed";
constexpr char OfferTitle[] = "Remember this printer?";
constexpr char LearnedTitle[] = "Printer remembered";
constexpr char NotLearnedTitle[] = "Printer not remembered";

std::string Cut(const std::string& name, std::size_t room) {
    if (name.size() <= room) {
        return name;
    }
    const std::size_t kept = room > sizeof Ellipsis - 1 ? room - (sizeof Ellipsis - 1) : 0;
    return name.substr(0, kept) + Ellipsis;
}

// The text that the two names make with the words around them, the longer name cut first so
// that the whole fits in `limit` characters.
std::string FitTwoNames(const std::string& before, const std::string& first,
                        const std::string& between, const std::string& second,
                        const std::string& after, std::size_t limit) {
    const std::size_t words = before.size() + between.size() + after.size();
    const std::size_t room = limit > words ? limit - words : 0;
    std::size_t firstRoom = first.size();
    std::size_t secondRoom = second.size();
    if (firstRoom + secondRoom > room) {
        const std::size_t half = room / 2;
        firstRoom = std::min(firstRoom, std::max(half, room - std::min(secondRoom, half)));
        secondRoom = room - firstRoom;
    }
    return before + Cut(first, firstRoom) + between + Cut(second, secondRoom) + after;
}

PrinterNotice Notice(const char* title, std::string text) {
    return {Cut(title, MaxNoticeTitleLength), Cut(text, MaxNoticeTextLength)};
}

}  // namespace

PrinterNotice PrinterChangedNotice(const std::string& printerName, const std::string& networkName) {
    return Notice(ChangedTitle,
                  FitTwoNames("", printerName, " is now your default printer (network ",
                              networkName, ").", MaxNoticeTextLength));
}

PrinterNotice PrinterNotSetNotice(const std::string& printerName, SpoolerStatus status) {
    const std::size_t words = CouldNotSetPrinterText("", status).size();
    return Notice(NotChangedTitle,
                  CouldNotSetPrinterText(Cut(printerName, MaxNoticeTextLength - words), status));
}

PrinterNotice OtherPrinterNotice(const std::string& printerName, const std::string& reported) {
    return Notice(NotChangedTitle, FitTwoNames("Lumivo made ", printerName,
                                               " your default printer, but Windows reports ",
                                               reported, " instead.", MaxNoticeTextLength));
}

PrinterNotice LearnPrinterOffer(const std::string& printerName, const std::string& networkName) {
    return Notice(OfferTitle,
                  FitTwoNames("Use ", printerName, " whenever ", networkName,
                              " is connected? Click here to remember it.", MaxNoticeTextLength));
}

PrinterNotice PrinterLearnedNotice(const std::string& printerName, const std::string& networkName) {
    return Notice(LearnedTitle, FitTwoNames("Lumivo will use ", printerName, " whenever ",
                                            networkName, " is connected.", MaxNoticeTextLength));
}

PrinterNotice PrinterNotLearnedNotice(const std::string& printerName,
                                      const std::string& networkName, TableChange refusal) {
    const std::string why = ". " + TableChangeFailureText(refusal);
    return Notice(NotLearnedTitle, FitTwoNames("Lumivo could not remember ", printerName, " for ",
                                               networkName, why, MaxNoticeTextLength));
}

void WritePrinterNotice(Registry& registry, const std::optional<PrinterNotice>& notice) {
    WriteRegistryLines(registry, SettingsKeyPath, PrinterNoticeValueName,
                       notice ? std::vector<std::string>{notice->title, notice->text}
                              : std::vector<std::string>{});
}

std::optional<PrinterNotice> TakePrinterNotice(Registry& registry) {
    const std::vector<std::string> lines =
        ReadRegistryLines(registry, SettingsKeyPath, PrinterNoticeValueName);
    if (lines.size() != 2) {
        return std::nullopt;
    }
    WritePrinterNotice(registry, std::nullopt);
    return PrinterNotice{lines[0], lines[1]};
}
