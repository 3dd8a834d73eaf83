#pragma once

#include <cstdint>
#include <string>

constexpr std::uint32_t MbOk = 0x0;
constexpr std::uint32_t MbYesNo = 0x4;
constexpr int IdOk = 1;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

// Message boxes with no owner window.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // MessageBoxW with no owner; the texts are UTF-8 and become UTF-16 at the Windows edge.
    // Returns the button the user chose, 0 when the box could not be shown.
    virtual int MessageBoxW(const std::string& text, const std::string& caption,
                            std::uint32_t type) = 0;
};
