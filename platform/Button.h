// Push button; a click runs OnClick.
#pragma once
#include "Control.h"

namespace ui {

class TButton : public TControl {
protected:
    const wchar_t* WindowClass() const override { return L"BUTTON"; }
    DWORD Style() const override { return BS_PUSHBUTTON; }
};

} // namespace ui
