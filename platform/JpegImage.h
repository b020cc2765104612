// A JPEG picture decoded once, with WIC, into a bitmap it owns.
#pragma once
#include "Handles.h"
#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

class TJPEGImage {
public:
    // Decodes an RCDATA resource of the executable. Throws EPlatformError naming the resource.
    void LoadFromResource(HINSTANCE instance, const wchar_t* name);
    // Decodes JPEG bytes; `name` only serves error messages.
    void LoadFromMemory(const void* data, std::size_t size, std::wstring_view name);

    bool Empty() const { return !bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Handle() const { return bitmap_.get(); }

    // Draws at natural size with its top-left corner at (x, y); the DC's clipping applies.
    void Draw(HDC dc, int x, int y) const;

private:
    BitmapHandle bitmap_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace ui
