#pragma once

#include "common/platform/message_boxes.h"

class Win32MessageBoxes final : public MessageBoxes {
public:
    int MessageBoxW(const std::string& text, const std::string& caption,
                    std::uint32_t type) override;
};
