#include "common/network/report_readers.h"

#include <algorithm>

#include "common/network/report_text.h"

namespace {

constexpr std::string_view kNameLabel = "Network name: <";
constexpr std::string_view kNameEnd = ">";
constexpr std::string_view kConnectedLine = "Network is connected: Yes";
constexpr std::string_view kLineEnd = "\r\n";

// The text after the name label up to, not including, the next ">"; the whole remainder when
// there is none. nameEnd is set to where that ">" stands (or the end).
std::string_view NameAfterLabel(std::string_view text, std::size_t label, std::size_t& nameEnd) {
    const std::size_t nameStart = label + kNameLabel.size();
    nameEnd = text.find(kNameEnd, nameStart);
    if (nameEnd == std::string_view::npos) {
        nameEnd = text.size();
    }
    return text.substr(nameStart, nameEnd - nameStart);
}

// Where the last ReportSeparator in text starts, or npos. Only places that end in a hyphen can end
// a separator, and a block has few hyphens, so this costs little more than one backward pass.
std::size_t LastSeparator(std::string_view text) {
    const std::size_t length = ReportSeparator.size();
    std::size_t end = text.size();
    while (end >= length) {
        const std::size_t hyphen = text.rfind('-', end - 1);
        if (hyphen == std::string_view::npos || hyphen + 1 < length) {
            return std::string_view::npos;
        }
        const std::size_t start = hyphen + 1 - length;
        if (text.substr(start, length) == ReportSeparator) {
            return start;
        }
        end = hyphen;
    }
    return std::string_view::npos;
}

}  // namespace

std::string NextConnectedNetworkName(std::string_view text, std::string_view& rest) {
    for (;;) {
        const std::size_t marker = text.find(kConnectedLine);
        if (marker == std::string_view::npos) {
            rest = std::string_view();
            return std::string();
        }
        const std::string_view head = text.substr(0, marker);
        const std::size_t separator = LastSeparator(head);
        const std::string_view block =
            separator == std::string_view::npos ? head : head.substr(separator);

        std::size_t afterMarker = marker + kConnectedLine.size();
        if (text.substr(afterMarker, kLineEnd.size()) == kLineEnd) {
            afterMarker += kLineEnd.size();
        }
        text = text.substr(afterMarker);

        const std::size_t label = block.find(kNameLabel);
        if (label != std::string_view::npos) {
            rest = text;
            std::size_t nameEnd = 0;
            return std::string(NameAfterLabel(block, label, nameEnd));
        }
    }
}

std::string NextNetworkName(std::string_view text, std::string_view& rest) {
    const std::size_t label = text.find(kNameLabel);
    if (label == std::string_view::npos) {
        rest = std::string_view();
        return std::string();
    }
    std::size_t nameEnd = 0;
    const std::string name(NameAfterLabel(text, label, nameEnd));
    rest = text.substr(std::min(nameEnd + kNameEnd.size(), text.size()));
    return name;
}
