#pragma once

#include <windows.h>

// The Network List Manager's class and interface ids, spelled out so that no import library has
// to carry them.

// {DCB00C01-570F-4A9B-8D69-199FDBA5723B}
inline constexpr GUID ClsidNetworkListManager = {
    0xDCB00C01, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
// {DCB00000-570F-4A9B-8D69-199FDBA5723B}
inline constexpr GUID IidNetworkListManager = {
    0xDCB00000, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
