// Shows a picture at natural size from its top-left corner, clipped to its own
// bounds; whatever the picture does not cover shows the parent's background.
#pragma once
#include "Control.h"
#include "JpegImage.h"

namespace ui {

class TImage : public TControl {
public:
    TJPEGImage Picture;

protected:
    const wchar_t* WindowClass() const override;
    DWORD Style() const override { return 0; }
    void Created(const ControlSettings& settings) override;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HWND hwnd);

    TColor background_ = TColor::clBtnFace;
};

} // namespace ui
