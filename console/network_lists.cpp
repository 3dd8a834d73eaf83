#include "console/network_lists.h"

#include "common/text/text_helpers.h"

namespace {

std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace

std::string NetworkListText(const std::string& nameList) {
    return ReplacedAll(ReplacedAll(nameList, ", ", "\r\n"), ",", "\r\n");
}

std::vector<std::string> NetworkListLines(const std::string& listText) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = listText.find("\r\n", start);
        const std::string line = TrimSpaces(listText.substr(start, end - start));
        if (!line.empty()) {
            lines.push_back(line);
        }
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}
