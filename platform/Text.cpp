#include "Text.h"
#include <windows.h>

namespace ui {

std::string ToUtf8(std::wstring_view text)
{
    const int size = static_cast<int>(text.size());
    std::string out(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(std::string_view text)
{
    const int size = static_cast<int>(text.size());
    std::wstring out(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()));
    return out;
}

} // namespace ui
