#include "Image.h"
#include "Error.h"
#include "ErrorBox.h"
#include "Window.h"

namespace ui {

const wchar_t* TImage::WindowClass() const
{
    return RegisterWindowClass(L"ui.TImage", WndProc);
}

void TImage::Created(const ControlSettings& settings)
{
    background_ = settings.background;
    if (!settings.picture) return;
    // A picture that cannot be decoded is reported, and the control stays blank.
    Guarded([&] { Picture.LoadFromResource(GetModuleHandleW(nullptr), settings.picture); });
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TImage::Paint(HWND hwnd)
{
    PaintDC dc(hwnd);
    Guarded([&] {
        CheckWin32(dc.get(), L"Impossible de dessiner l'image");
        RECT client;
        CheckWin32(GetClientRect(hwnd, &client), L"Impossible de dessiner l'image");
        // Only what the picture leaves uncovered is filled, so it never flickers.
        const int saved = CheckWin32(SaveDC(dc.get()), L"Impossible de dessiner l'image");
        ExcludeClipRect(dc.get(), 0, 0, Picture.Width(), Picture.Height());
        FillRect(dc.get(), &client, SystemBrush(background_));
        RestoreDC(dc.get(), saved);
        Picture.Draw(dc.get(), 0, 0);
    });
}

LRESULT CALLBACK TImage::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = AttachedObject<TImage>(hwnd, message, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (self) {
            self->Paint(hwnd);
            return 0;
        }
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT; // clicks go to the form, as on any picture
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace ui
