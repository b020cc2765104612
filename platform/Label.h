// Static text that sizes itself to its caption and shows the parent's background.
#pragma once
#include "Control.h"

namespace ui {

class TLabel : public TControl {
protected:
    const wchar_t* WindowClass() const override { return L"STATIC"; }
    DWORD Style() const override { return SS_LEFT | SS_NOPREFIX; }
    void Created(const ControlSettings& settings) override;
};

} // namespace ui
