#include "common/network/report_readers.h"

#include "common/network/report_text.h"

namespace {

constexpr std::string_view NameLabel = "Network name: <";
constexpr std::string_view NameEnd = ">";
constexpr std::string_view ConnectedLine = "Network is connected: Yes";
constexpr std::string_view LineEnd = "\r\n";

// The text after the name label up to, not including, the next ">"; the whole remainder when
// there is none. nameEnd is set to where that ">" stands (or the end).
std::string_view NameAfterLabel(std::string_view text, std::size_t label, std::size_t& nameEnd) {
    const std::size_t nameStart = label + NameLabel.size();
    nameEnd = text.find(NameEnd, nameStart);
    if (nameEnd == std::string_view::npos) {
        nameEnd = text.size();
    }
    return text.substr(nameStart, nameEnd - nameStart);
}

// The first place at or after `from` where a line of text begins with the marker, or npos. A
// marker inside a line belongs to a name or a description, which may hold any text.
std::size_t FindAtLineStart(std::string_view text, std::string_view marker, std::size_t from = 0) {
    for (std::size_t at = text.find(marker, from); at != std::string_view::npos;
         at = text.find(marker, at + 1)) {
        if (at == 0 || text[at - 1] == '\n') {
            return at;
        }
    }
    return std::string_view::npos;
}

// Where the line after the one that holds `at` begins; the end of text when there is none.
std::size_t NextLineStart(std::string_view text, std::size_t at) {
    const std::size_t lineFeed = text.find('\n', at);
    return lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
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
        const std::size_t marker = FindAtLineStart(text, ConnectedLine);
        if (marker == std::string_view::npos) {
            rest = std::string_view();
            return std::string();
        }
        const std::string_view head = text.substr(0, marker);
        const std::size_t separator = LastSeparator(head);
        const std::string_view block =
            separator == std::string_view::npos ? head : head.substr(separator);

        std::size_t afterMarker = marker + ConnectedLine.size();
        if (text.substr(afterMarker, LineEnd.size()) == LineEnd) {
            afterMarker += LineEnd.size();
        }
        text = text.substr(afterMarker);

        const std::size_t label = FindAtLineStart(block, NameLabel);
        if (label != std::string_view::npos) {
            rest = text;
            std::size_t nameEnd = 0;
            return std::string(NameAfterLabel(block, label, nameEnd));
        }
    }
}

std::string NextNetworkName(std::string_view text, std::string_view& rest) {
    const std::size_t label = FindAtLineStart(text, NameLabel);
    if (label == std::string_view::npos) {
        rest = std::string_view();
        return std::string();
    }
    std::size_t nameEnd = 0;
    const std::string name(NameAfterLabel(text, label, nameEnd));
    // The rest begins with a line, so that its first character counts as a line start.
    rest = text.substr(NextLineStart(text, nameEnd));
    return name;
}
