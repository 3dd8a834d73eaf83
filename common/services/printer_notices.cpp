#include "common/services/printer_notices.h"

#include "common/services/table_change_text.h"

#include <algorithm>
#include <vector>

#include "common/services/spooler_error_text.h"
#include "common/settings/mapping_table.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/texts.h"

namespace {

constexpr char Ellipsis[] = "...";

std::string Cut(const std::string& text, std::size_t room) {
    if (TextLength(text) <= room) {
        return text;
    }
    const std::size_t kept = room > sizeof Ellipsis - 1 ? room - (sizeof Ellipsis - 1) : 0;
    return TextPrefix(text, kept) + Ellipsis;
}

// The notice text with the two names (stored, ANSI) in its pattern's %1 and %2, the longer name
// cut first so that the whole fits in `limit` characters; %3 is the rest, never cut.
std::string FitTwoNames(unsigned pattern, const std::string& firstName,
                        const std::string& secondName, const std::string& rest = "") {
    const std::string first = ShownText(firstName);
    const std::string second = ShownText(secondName);
    const std::size_t words = TextLength(Text(pattern, {"", "", rest}));
    const std::size_t room = MaxNoticeTextLength > words ? MaxNoticeTextLength - words : 0;
    std::size_t firstRoom = TextLength(first);
    std::size_t secondRoom = TextLength(second);
    if (firstRoom + secondRoom > room) {
        const std::size_t half = room / 2;
        firstRoom = std::min(firstRoom, std::max(half, room - std::min(secondRoom, half)));
        secondRoom = room - firstRoom;
    }
    return Text(pattern, {Cut(first, firstRoom), Cut(second, secondRoom), rest});
}

PrinterNotice Notice(unsigned title, const std::string& text) {
    return {Cut(Text(title), MaxNoticeTitleLength), Cut(text, MaxNoticeTextLength)};
}

}  // namespace

PrinterNotice PrinterChangedNotice(const std::string& printerName, const std::string& networkName) {
    return Notice(IDS_NOTICE_CHANGED_TITLE,
                  FitTwoNames(IDS_NOTICE_CHANGED, printerName, networkName));
}

PrinterNotice PrinterNotSetNotice(const std::string& printerName, SpoolerStatus status) {
    const std::size_t words = TextLength(CouldNotSetPrinterText("", status));
    const std::size_t room = MaxNoticeTextLength > words ? MaxNoticeTextLength - words : 0;
    return Notice(IDS_NOTICE_NOT_CHANGED_TITLE,
                  CouldNotSetPrinterText(Cut(ShownText(printerName), room), status));
}

PrinterNotice OtherPrinterNotice(const std::string& printerName, const std::string& reported) {
    return Notice(IDS_NOTICE_NOT_CHANGED_TITLE,
                  FitTwoNames(IDS_NOTICE_OTHER_PRINTER, printerName, reported));
}

PrinterNotice LearnPrinterOffer(const std::string& printerName, const std::string& networkName) {
    return Notice(IDS_NOTICE_OFFER_TITLE, FitTwoNames(IDS_NOTICE_OFFER, printerName, networkName));
}

PrinterNotice PrinterLearnedNotice(const std::string& printerName, const std::string& networkName) {
    return Notice(IDS_NOTICE_LEARNED_TITLE,
                  FitTwoNames(IDS_NOTICE_LEARNED, printerName, networkName));
}

PrinterNotice PrinterNotLearnedNotice(const std::string& printerName,
                                      const std::string& networkName, TableChange refusal) {
    return Notice(IDS_NOTICE_NOT_LEARNED_TITLE,
                  FitTwoNames(IDS_NOTICE_NOT_LEARNED, printerName, networkName,
                              TableChangeFailureText(refusal)));
}

// The notice is stored in the ANSI code page, as every text in the settings key.
void WritePrinterNotice(Registry& registry, const std::optional<PrinterNotice>& notice) {
    WriteRegistryLines(
        registry, SettingsKeyPath, PrinterNoticeValueName,
        notice ? StoredTexts({notice->title, notice->text}) : std::vector<std::string>{});
}

std::optional<PrinterNotice> TakePrinterNotice(Registry& registry) {
    const std::vector<std::string> lines =
        ReadRegistryLines(registry, SettingsKeyPath, PrinterNoticeValueName);
    if (lines.size() != 2) {
        return std::nullopt;
    }
    WritePrinterNotice(registry, std::nullopt);
    const std::vector<std::string> shown = ShownTexts(lines);
    return PrinterNotice{shown[0], shown[1]};
}
