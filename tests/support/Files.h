// Reading the committed files, and the pixels of a decoded picture.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

namespace testing {

std::vector<std::uint8_t> ReadBytes(const std::wstring& path);
inline std::wstring ResourcePath(const wchar_t* name) { return std::wstring(RESOURCES_DIR) + L"/" + name; }

// 0x00RRGGBB pixels of a bitmap, rows top-down.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }
};
Pixels PixelsOf(HBITMAP bitmap);

// Largest difference of one channel between two 0x00RRGGBB colours.
int ChannelDistance(std::uint32_t a, std::uint32_t b);
inline std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r << 16 | g << 8 | b); }
inline std::uint32_t FromColorRef(COLORREF c) { return Rgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

} // namespace testing
