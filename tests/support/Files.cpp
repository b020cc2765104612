#include "Files.h"
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace testing {

std::vector<std::uint8_t> ReadBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open a committed file");
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok || read != bytes.size()) throw std::runtime_error("cannot read a committed file");
    return bytes;
}

Pixels PixelsOf(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    Pixels p{info.bmWidth, info.bmHeight, std::vector<std::uint32_t>(static_cast<size_t>(info.bmWidth) * info.bmHeight)};
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = p.width;
    header.bmiHeader.biHeight = -p.height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(p.height), p.argb.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return p;
}

int ChannelDistance(std::uint32_t a, std::uint32_t b)
{
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        worst = std::max(worst, std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)));
    return worst;
}

} // namespace testing
