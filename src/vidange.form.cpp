// Layout of the main window.
#include "vidange.h"

using enum ui::TColor;
using enum ui::TFontStyle;

namespace {

constexpr ui::TFont kTahoma12Bold{L"Tahoma", -12, Bold, clWindowText};
constexpr ui::TFont kTahoma13Bold{L"Tahoma", -13, Bold, clWindowText};
constexpr ui::TFont kTahoma15Bold{L"Tahoma", -15, Bold, clWindowText};

constexpr ui::ControlDescription<TForm1> kControls[] = {
    {.field = &TForm1::Image1, .bounds = {8, 8, 201, 161}, .picture = L"PICTOGRAM"},
    {.field = &TForm1::Label1, .bounds = {141, 231, 68, 16}, .caption = L"MORVI K-Q", .font = kTahoma13Bold},
    {.field = &TForm1::Label2, .bounds = {16, 256, 186, 14}, .caption = L"www.morvi-kq.fr"},
    {.field = &TForm1::Button1, .bounds = {8, 183, 153, 33}, .caption = L"Solution", .font = kTahoma15Bold,
     .tabOrder = 0, .onClick = &TForm1::Button1Click},
    {.field = &TForm1::Button2, .bounds = {8, 222, 65, 25}, .caption = L"Exit", .font = kTahoma12Bold,
     .tabOrder = 1, .onClick = &TForm1::Button2Click},
    {.field = &TForm1::Button3, .bounds = {176, 183, 33, 33}, .caption = L"?", .font = kTahoma15Bold,
     .tabOrder = 2, .onClick = &TForm1::Button3Click},
};

} // namespace

constinit const ui::FormDescription<TForm1> TForm1::Description{
    .caption = L"V-O-K",
    .clientWidth = 217,
    .clientHeight = 277,
    .color = clBtnHighlight,
    .font = kTahoma12Bold,
    .controls = kControls,
};
