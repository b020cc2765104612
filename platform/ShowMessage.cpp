#include "ShowMessage.h"
#include "Application.h"
#include "Error.h"
#include "MessageForm.h"
#include "VisualStyles.h"
#include <versionhelpers.h>

namespace ui {

bool UseLatestCommonDialogs = true;

bool TaskDialogInForce()
{
    return IsWindowsVistaOrGreater() && UseLatestCommonDialogs && VisualStylesActive() && TaskDialogEntry();
}

namespace {

void ShowTaskDialog(HWND owner, const std::wstring& caption, const std::wstring& text)
{
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    config.hInstance = GetModuleHandleW(nullptr);
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION; // Esc, Alt+F4 and the close box dismiss it too
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    config.pszWindowTitle = caption.c_str();
    config.pszContent = text.c_str();
    CheckHResult(TaskDialogEntry()(&config, nullptr, nullptr, nullptr), L"Impossible d'afficher le message");
}

} // namespace

void ShowMessage(std::wstring_view text)
{
    const std::wstring content(text);
    HWND owner = Application.ActiveFormHandle();
    if (TaskDialogInForce())
        ShowTaskDialog(owner, Application.Title(), content);
    else
        ShowMessageForm(owner, Application.Title(), content);
}

} // namespace ui
