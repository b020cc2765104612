#include "Control.h"
#include "Error.h"
#include <string>

namespace ui {

namespace {
// Marks our controls' windows, so FromHandle never trusts another window's user data.
constexpr wchar_t kControlProperty[] = L"ui.TControl";
}

void TControl::Create(HWND parent, int id, const ControlSettings& s)
{
    font_ = CreateFontFor(s.font);
    textColor_ = s.font.color;
    const DWORD style = WS_CHILD | WS_VISIBLE | (s.tabStop ? WS_TABSTOP : 0) | Style();
    HWND hwnd = CreateWindowExW(0, WindowClass(), s.caption ? s.caption : L"", style, s.bounds.left, s.bounds.top,
                                s.bounds.width, s.bounds.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), this);
    hwnd_.reset(CheckWin32(hwnd, std::wstring(L"Impossible de créer le contrôle « ") + (s.caption ? s.caption : WindowClass()) + L" »"));
    CheckWin32(SetPropW(hwnd, kControlProperty, this), L"Impossible d'attacher le contrôle à sa fenêtre");
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    Created(s);
}

TControl::~TControl()
{
    if (hwnd_) RemovePropW(hwnd_.get(), kControlProperty);
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

TControl* TControl::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<TControl*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

} // namespace ui
