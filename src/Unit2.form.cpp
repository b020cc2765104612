// Layout of the picture window.
#include "Unit2.h"

using enum ui::TColor;
using enum ui::TFontStyle;

namespace {

constexpr ui::ControlDescription<TForm2> kControls[] = {
    {.field = &TForm2::Image1, .bounds = {0, 0, 601, 393}, .picture = L"MENUCLIP"},
};

} // namespace

constinit const ui::FormDescription<TForm2> TForm2::Description{
    .caption = L"Menu clip renault",
    .clientWidth = 603,
    .clientHeight = 391,
    .color = clBtnFace,
    .font = {L"Tahoma", -11, Regular, clWindowText},
    .controls = kControls,
};
