// The classic message form: a fixed-size modal box, centred on the screen, with
// the text wrapped in the system's message font and one "OK" button.
#pragma once
#include <windows.h>
#include <string>

namespace ui {

// The window class of the form, for whoever needs to find it on screen.
inline constexpr wchar_t kMessageFormClass[] = L"ui.TMessageForm";

// Shows the form owned by `owner` (disabled meanwhile) and returns when it is dismissed.
void ShowMessageForm(HWND owner, const std::wstring& caption, const std::wstring& text);

// What Ctrl+C puts on the clipboard, laid out as the system's own message boxes do.
std::wstring MessageFormClipboardText(const std::wstring& caption, const std::wstring& text);

} // namespace ui
