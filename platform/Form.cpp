#include "Form.h"
#include "Application.h"
#include "Error.h"
#include "ErrorBox.h"
#include "Window.h"
#include <algorithm>
#include <iterator>

namespace ui {

namespace {

constexpr int kFirstControlId = 100; // clear of IDOK and IDCANCEL, which Enter and Esc send

struct OwnedWindows {
    HWND owner;
    std::vector<HWND> visible;
};

BOOL CALLBACK CollectVisibleOwned(HWND hwnd, LPARAM param)
{
    auto* owned = reinterpret_cast<OwnedWindows*>(param);
    if (GetWindow(hwnd, GW_OWNER) == owned->owner && IsWindowVisible(hwnd)) owned->visible.push_back(hwnd);
    return TRUE;
}

} // namespace

TForm::~TForm()
{
    // The controls, members of the derived form, are gone already: detach before destroying.
    if (hwnd_) SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
}

void TForm::CreateWindowFor(const wchar_t* caption, int clientWidth, int clientHeight, TColor color, HWND owner)
{
    color_ = color;
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_CONTROLPARENT | (owner ? 0 : WS_EX_APPWINDOW);
    const SIZE outer = OuterSize(style, exStyle, clientWidth, clientHeight);
    HWND hwnd = CreateWindowExW(exStyle, RegisterWindowClass(L"ui.TForm", WndProc), caption, style, CW_USEDEFAULT,
                                CW_USEDEFAULT, outer.cx, outer.cy, owner, nullptr, GetModuleHandleW(nullptr), this);
    hwnd_.reset(CheckWin32(hwnd, std::wstring(L"Impossible de créer la fenêtre « ") + caption + L" »"));
    FitClientSize(hwnd, clientWidth, clientHeight);
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application.Icon(ICON_BIG)));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application.Icon(ICON_SMALL)));
}

void TForm::CreateControl(TControl& control, const ControlSettings& settings, int tabOrder)
{
    control.Create(Handle(), kFirstControlId + static_cast<int>(controls_.size()), settings);
    controls_.push_back({&control, tabOrder});
}

void TForm::ArrangeTabOrder()
{
    std::vector<ControlEntry> stops;
    std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(stops), [](auto& e) { return e.tabOrder >= 0; });
    std::stable_sort(stops.begin(), stops.end(), [](auto& a, auto& b) { return a.tabOrder < b.tabOrder; });
    // Tab follows the z-order of the children.
    HWND after = HWND_TOP;
    for (const ControlEntry& e : stops) {
        CheckWin32(SetWindowPos(e.control->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE),
                   L"Impossible d'ordonner les contrôles");
        after = e.control->Handle();
    }
    if (!stops.empty()) focus_ = stops.front().control->Handle();
}

void TForm::Show()
{
    HWND hwnd = Handle();
    ShowWindow(hwnd, IsIconic(hwnd) ? SW_RESTORE : SW_SHOW);
    CheckWin32(SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE), L"Impossible d'afficher la fenêtre");
    // Windows may keep another program in front; the form is then on top of ours only, as intended.
    SetForegroundWindow(hwnd);
}

void TForm::Close()
{
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

bool TForm::IsMain() const
{
    return Application.MainForm() == this;
}

LRESULT CALLBACK TForm::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = AttachedObject<TForm>(hwnd, message, lParam);
    if (!self || message == WM_NCCREATE) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Guarded([&] { return self->HandleMessage(hwnd, message, wParam, lParam); });
}

LRESULT TForm::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (TControl* control = TControl::FromHandle(reinterpret_cast<HWND>(lParam))) {
                control->Click();
                return 0;
            }
        }
        break;
    case WM_CTLCOLORSTATIC:
        if (TControl* control = TControl::FromHandle(reinterpret_cast<HWND>(lParam))) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, control->TextColor());
            return reinterpret_cast<LRESULT>(SystemBrush(color_));
        }
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, SystemBrush(color_));
        return 1;
    }
    case WM_CLOSE:
        if (IsMain())
            PostQuitMessage(0);
        else
            ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_ACTIVATE:
        OnActivate(hwnd, LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam));
        return 0;
    case WM_SIZE:
        OnSize(hwnd, wParam);
        break;
    case DM_GETDEFID:
        return DefaultId(hwnd);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void TForm::OnActivate(HWND hwnd, bool active)
{
    if (active) {
        SetFocus(focus_ && IsChild(hwnd, focus_) ? focus_ : hwnd);
        return;
    }
    if (HWND focus = GetFocus(); focus && IsChild(hwnd, focus)) focus_ = focus;
}

// Enter clicks the focused button, and nothing when no button has the focus.
LRESULT TForm::DefaultId(HWND hwnd) const
{
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd, focus) && dynamic_cast<TButton*>(TControl::FromHandle(focus)))
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    return 0;
}

// Owned forms hide while the main form is minimized and come back with it.
void TForm::OnSize(HWND hwnd, WPARAM kind)
{
    if (!IsMain()) return;
    if (kind == SIZE_MINIMIZED && !minimized_) {
        minimized_ = true;
        OwnedWindows owned{hwnd, {}};
        EnumThreadWindows(GetCurrentThreadId(), CollectVisibleOwned, reinterpret_cast<LPARAM>(&owned));
        hiddenOwned_ = std::move(owned.visible);
        for (HWND w : hiddenOwned_) ShowWindow(w, SW_HIDE);
    } else if ((kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) && minimized_) {
        minimized_ = false;
        for (HWND w : hiddenOwned_)
            if (IsWindow(w)) ShowWindow(w, SW_SHOWNOACTIVATE);
        hiddenOwned_.clear();
    }
}

} // namespace ui
