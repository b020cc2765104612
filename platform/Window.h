// Small helpers every window of the layer uses.
#pragma once
#include <windows.h>

namespace ui {

// Registers `name` with `proc` once per process; later calls only return the name.
const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC proc, HBRUSH background = nullptr);

// Resizes a window so that its client area is exactly width x height, whatever
// frame the system really draws.
void FitClientSize(HWND hwnd, int width, int height);

// The outer size of a window of this style with a client area of width x height.
SIZE OuterSize(DWORD style, DWORD exStyle, int width, int height);

// The object a window procedure serves, stored in GWLP_USERDATA at WM_NCCREATE
// from the lpCreateParams that CreateWindowExW was given.
template <class T>
T* AttachedObject(HWND hwnd, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* object = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

} // namespace ui
