// A modal message with one "OK" button, captioned with the application title.
#pragma once
#include <string_view>

namespace ui {

// When true (the default), the message is a Windows task dialog wherever the
// system offers one; otherwise, and where it does not, the classic message form.
extern bool UseLatestCommonDialogs;

void ShowMessage(std::wstring_view text);

// Whether ShowMessage would use a task dialog now.
bool TaskDialogInForce();

} // namespace ui
