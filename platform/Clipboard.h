// Puts text on the clipboard.
#pragma once
#include <windows.h>
#include <string_view>

namespace ui {

// Replaces the clipboard's contents with `text`; throws EPlatformError on failure.
void CopyTextToClipboard(HWND owner, std::wstring_view text);

} // namespace ui
