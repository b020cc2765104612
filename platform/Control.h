// Base of the controls a form description can place on a form.
#pragma once
#include "Font.h"
#include "Handles.h"
#include "Object.h"
#include <functional>

namespace ui {

struct TBounds {
    int left, top, width, height;
};

// What a form hands a control when it creates it from its description.
struct ControlSettings {
    TBounds bounds;
    const wchar_t* caption;
    TFont font;
    bool tabStop;
    const wchar_t* picture; // RCDATA resource holding a JPEG, or null
    TColor background;      // the parent's, which labels and images show through
};

using TNotifyEvent = std::function<void(TObject* sender)>;

class TControl : public TObject {
public:
    TNotifyEvent OnClick;

    ~TControl() override;
    void Create(HWND parent, int id, const ControlSettings& settings);
    HWND Handle() const { return hwnd_.get(); }
    COLORREF TextColor() const { return ToColorRef(textColor_); }
    // Runs OnClick with this control as the sender.
    void Click();

    // The control behind a child window of a form, or null for any other window.
    static TControl* FromHandle(HWND hwnd);

protected:
    virtual const wchar_t* WindowClass() const = 0;
    virtual DWORD Style() const = 0;
    virtual void Created(const ControlSettings&) {}
    HFONT Font() const { return font_.get(); }

private:
    // Declared before the window so that the window goes first.
    FontHandle font_;
    TColor textColor_ = TColor::clWindowText;
    WindowHandle hwnd_;
};

} // namespace ui
