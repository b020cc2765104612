// One owner per handle: move-only wrappers that free what they hold exactly once.
#pragma once
#include <windows.h>
#include <utility>

namespace ui {

template <class Handle, auto Free, Handle Null = Handle{}>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Null)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) reset(std::exchange(other.h_, Null));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Null; }
    void reset(Handle h = Null)
    {
        if (h_ != Null) Free(h_);
        h_ = h;
    }

private:
    Handle h_ = Null;
};

inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void FreeIcon(HICON h) { DestroyIcon(h); }
inline void FreeWindow(HWND h) { DestroyWindow(h); }
inline void FreeMemoryDC(HDC h) { DeleteDC(h); }

using FontHandle = UniqueHandle<HFONT, DeleteGdiObject>;
using BitmapHandle = UniqueHandle<HBITMAP, DeleteGdiObject>;
using IconHandle = UniqueHandle<HICON, FreeIcon>;
using WindowHandle = UniqueHandle<HWND, FreeWindow>;
using MemoryDC = UniqueHandle<HDC, FreeMemoryDC>; // from CreateCompatibleDC

// A device context borrowed from a window, released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() { if (dc_) ReleaseDC(hwnd_, dc_); }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint and its EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and restores the previous one on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { if (previous_) SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace ui
