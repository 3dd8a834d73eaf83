#pragma once

#include <cstdint>

// Values the Network List Manager hands over, in portable form.

// A FILETIME (100-nanosecond intervals since 1601-01-01 00:00 UTC) as one 64-bit number.
using FileTime = std::uint64_t;

// A GUID, laid out as Windows' GUID.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};

    friend bool operator==(const Guid&, const Guid&) = default;
};
