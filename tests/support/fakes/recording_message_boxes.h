#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/platform/message_boxes.h"

// Records every message box and answers with the scripted buttons, in order; once they run out,
// an OK box answers OK and a Yes/No box No.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        std::string caption;
        std::uint32_t type;
        int answer;
    };

    std::deque<int> answers;
    std::function<void()> whileShown;  // runs while a box is up, before it is answered
    std::vector<Shown> shown;

    int MessageBoxW(const std::string& text, const std::string& caption,
                    std::uint32_t type) override {
        if (whileShown) {
            whileShown();
        }
        int answer = (type & 0xF) == MbYesNo ? IdNo : IdOk;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        shown.push_back({text, caption, type, answer});
        return answer;
    }
};
