#include "common/text/texts.h"

namespace {

const TextSource* source = nullptr;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void UseTextSource(const TextSource& textSource) {
    source = &textSource;
}

std::string Text(unsigned id) {
    return source != nullptr ? source->Text(id) : std::string();
}

std::string Text(unsigned id, std::initializer_list<std::string> arguments) {
    return FormatText(Text(id), arguments);
}

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] != '%' || (next != '%' && (next < '1' || next > '9'))) {
            text += pattern[i];
            continue;
        }
        ++i;
        if (next == '%') {
            text += '%';
        } else if (const auto n = static_cast<std::size_t>(next - '1'); n < arguments.size()) {
            text += arguments.begin()[n];
        }
    }
    return text;
}

std::string CountedText(std::uint64_t count, unsigned one, unsigned many) {
    return Text(count == 1 ? one : many, {std::to_string(count)});
}

std::string ShownText(const std::string& ansi) {
    return source != nullptr ? source->FromAnsi(ansi) : ansi;
}

std::string StoredText(const std::string& text) {
    return source != nullptr ? source->ToAnsi(text) : text;
}

std::vector<std::string> ShownTexts(const std::vector<std::string>& ansiLines) {
    std::vector<std::string> lines;
    for (const std::string& line : ansiLines) {
        lines.push_back(ShownText(line));
    }
    return lines;
}

std::vector<std::string> StoredTexts(const std::vector<std::string>& lines) {
    std::vector<std::string> stored;
    for (const std::string& line : lines) {
        stored.push_back(StoredText(line));
    }
    return stored;
}

std::size_t TextLength(const std::string& text) {
    std::size_t length = 0;
    for (const char c : text) {
        length += IsContinuationByte(c) ? 0 : 1;
    }
    return length;
}

std::string TextPrefix(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        if (!IsContinuationByte(text[end]) && characters++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}
