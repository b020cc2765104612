#include "Window.h"
#include "Error.h"
#include <string>

namespace ui {

const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing)) return name;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    CheckWin32(RegisterClassExW(&wc), std::wstring(L"Impossible d'enregistrer la classe de fenêtre « ") + name + L" »");
    return name;
}

void FitClientSize(HWND hwnd, int width, int height)
{
    RECT client, window;
    CheckWin32(GetClientRect(hwnd, &client), L"Impossible de mesurer une fenêtre");
    CheckWin32(GetWindowRect(hwnd, &window), L"Impossible de mesurer une fenêtre");
    const int dw = width - client.right, dh = height - client.bottom;
    if (dw == 0 && dh == 0) return;
    CheckWin32(SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + dw, window.bottom - window.top + dh,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE),
               L"Impossible de dimensionner une fenêtre");
}

SIZE OuterSize(DWORD style, DWORD exStyle, int width, int height)
{
    RECT outer{0, 0, width, height};
    CheckWin32(AdjustWindowRectEx(&outer, style, FALSE, exStyle), L"Impossible de calculer la taille d'une fenêtre");
    return {outer.right - outer.left, outer.bottom - outer.top};
}

} // namespace ui
