// A top-level window built from its form description.
#pragma once
#include "FormDescription.h"
#include <vector>

namespace ui {

class TForm : public TObject {
public:
    // Makes the form visible (restoring it if minimized) and brings it to the front.
    void Show();
    // Closes the form as its close box would: the main form ends the application,
    // any other form is hidden.
    void Close();
    HWND Handle() const { return hwnd_.get(); }
    bool Visible() const { return IsWindowVisible(hwnd_.get()) != FALSE; }

    // Creates the window and its controls; `owner` is null for a form with a taskbar button.
    template <class F>
    void CreateFromDescription(F& self, const FormDescription<F>& form, HWND owner);

    ~TForm() override;

protected:
    TForm() = default;

private:
    struct ControlEntry {
        TControl* control;
        int tabOrder;
    };

    void CreateWindowFor(const wchar_t* caption, int clientWidth, int clientHeight, TColor color, HWND owner);
    void CreateControl(TControl& control, const ControlSettings& settings, int tabOrder);
    void ArrangeTabOrder();

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultId(HWND hwnd) const;
    void OnActivate(HWND hwnd, bool active);
    void OnSize(HWND hwnd, WPARAM kind);
    bool IsMain() const;

    WindowHandle hwnd_;
    TColor color_ = TColor::clBtnFace;
    std::vector<ControlEntry> controls_;
    HWND focus_ = nullptr;          // restored when the form is activated again
    bool minimized_ = false;
    std::vector<HWND> hiddenOwned_; // owned forms hidden while this one is minimized
};

template <class F>
void TForm::CreateFromDescription(F& self, const FormDescription<F>& form, HWND owner)
{
    CreateWindowFor(form.caption, form.clientWidth, form.clientHeight, form.color, owner);
    for (const ControlDescription<F>& c : form.controls) {
        TControl& control = std::visit([&](auto field) -> TControl& { return self.*field; }, c.field);
        if (c.onClick) control.OnClick = [&self, handler = c.onClick](TObject* sender) { (self.*handler)(sender); };
        const ControlSettings settings{c.bounds, c.caption, c.font.value_or(form.font), c.tabOrder >= 0, c.picture, form.color};
        CreateControl(control, settings, c.tabOrder);
    }
    ArrangeTabOrder();
}

} // namespace ui
