#include "MessageForm.h"
#include "Clipboard.h"
#include "Error.h"
#include "ErrorBox.h"
#include "Handles.h"
#include "Window.h"
#include <algorithm>

namespace ui {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

struct State {
    const std::wstring& caption;
    const std::wstring& text;
    bool dismissed = false;
};

// Dialog units of a font, as dialogs measure their margins and buttons.
struct DialogUnits {
    int baseX, baseY;
    int X(int units) const { return MulDiv(units, baseX, 4); }
    int Y(int units) const { return MulDiv(units, baseY, 8); }
};

struct Layout {
    SIZE client;
    RECT text;
    RECT button;
};

FontHandle MessageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    CheckWin32(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0),
               L"Impossible de lire la police des messages");
    return FontHandle(CheckWin32(CreateFontIndirectW(&metrics.lfMessageFont), L"Impossible de créer la police des messages"));
}

Layout Measure(HFONT font, const std::wstring& text)
{
    MemoryDC dc(CheckWin32(CreateCompatibleDC(nullptr), L"Impossible de mesurer le message"));
    SelectedObject selected(dc.get(), font);
    static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE alphabet{};
    CheckWin32(GetTextExtentPoint32W(dc.get(), kAlphabet, 52, &alphabet), L"Impossible de mesurer le message");
    const DialogUnits du{(alphabet.cx / 26 + 1) / 2, alphabet.cy};

    // Wrapped to at most half the screen's width; as high as the lines need.
    RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    CheckWin32(DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &textRect, DT_CALCRECT | kTextFormat),
               L"Impossible de mesurer le message");

    const int margin = du.X(8), top = du.Y(8), spacing = du.Y(10);
    const int buttonWidth = du.X(50), buttonHeight = du.Y(14);
    const int width = std::max<int>(textRect.right, buttonWidth) + 2 * margin;
    const int buttonTop = top + textRect.bottom + spacing;
    const int buttonLeft = (width - buttonWidth) / 2;
    return {{width, buttonTop + buttonHeight + top},
            {margin, top, margin + textRect.right, top + textRect.bottom},
            {buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + buttonHeight}};
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = AttachedObject<State>(hwnd, message, lParam);
    switch (message) {
    case WM_COMMAND:
        if (state && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) state->dismissed = true;
        return 0;
    case WM_CLOSE:
        if (state) state->dismissed = true;
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateChild(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, const RECT& r, int id, HFONT font)
{
    HWND child = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    CheckWin32(child, L"Impossible de créer la boîte de message");
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

WindowHandle CreateForm(HWND owner, State& state, HFONT font)
{
    const Layout layout = Measure(font, state.text);
    const SIZE outer = OuterSize(kStyle, kExStyle, layout.client.cx, layout.client.cy);
    const wchar_t* windowClass = RegisterWindowClass(kMessageFormClass, WndProc, GetSysColorBrush(COLOR_BTNFACE));
    WindowHandle form(CreateWindowExW(kExStyle, windowClass, state.caption.c_str(), kStyle,
                                      (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2,
                                      (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2, outer.cx, outer.cy, owner,
                                      nullptr, GetModuleHandleW(nullptr), &state));
    CheckWin32(form.get(), L"Impossible de créer la boîte de message");
    FitClientSize(form.get(), layout.client.cx, layout.client.cy);
    CreateChild(form.get(), L"STATIC", state.text.c_str(), SS_LEFT | SS_NOPREFIX, layout.text, -1, font);
    CreateChild(form.get(), L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, layout.button, IDOK, font);
    return form;
}

bool IsCopyShortcut(const MSG& msg, HWND form)
{
    return msg.message == WM_KEYDOWN && msg.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
           (msg.hwnd == form || IsChild(form, msg.hwnd));
}

// Disables the owner for the form's lifetime and enables it again before the form
// is destroyed, so the owner, not another program, gets the activation back.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner) : owner_(owner), wasEnabled_(owner && !EnableWindow(owner, FALSE)) {}
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;
    ~DisabledOwner() { if (wasEnabled_) EnableWindow(owner_, TRUE); }

private:
    HWND owner_;
    bool wasEnabled_;
};

void RunModal(HWND form, State& state)
{
    ShowWindow(form, SW_SHOW);
    SetFocus(GetDlgItem(form, IDOK));
    while (!state.dismissed) {
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) { // the application is ending: leave the quit for the main loop
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got == -1) ThrowLastError(L"La boucle de messages a échoué");
        if (IsCopyShortcut(msg, form)) {
            Guarded([&] { CopyTextToClipboard(form, MessageFormClipboardText(state.caption, state.text)); });
            continue;
        }
        if (!IsDialogMessageW(form, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

} // namespace

std::wstring MessageFormClipboardText(const std::wstring& caption, const std::wstring& text)
{
    const std::wstring rule = L"---------------------------\r\n";
    return rule + caption + L"\r\n" + rule + text + L"\r\n" + rule + L"OK\r\n" + rule;
}

void ShowMessageForm(HWND owner, const std::wstring& caption, const std::wstring& text)
{
    State state{caption, text};
    const FontHandle font = MessageFont();
    WindowHandle form = CreateForm(owner, state, font.get());
    {
        DisabledOwner disabled(owner);
        RunModal(form.get(), state);
    }
    form.reset();
}

} // namespace ui
