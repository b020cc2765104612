// Colours and fonts as a form description states them.
#pragma once
#include "Handles.h"

namespace ui {

// System colours, by their GetSysColor index.
enum class TColor : int {
    clBtnHighlight = COLOR_BTNHIGHLIGHT,
    clBtnFace = COLOR_BTNFACE,
    clWindowText = COLOR_WINDOWTEXT,
};

inline COLORREF ToColorRef(TColor c) { return GetSysColor(static_cast<int>(c)); }
inline HBRUSH SystemBrush(TColor c) { return GetSysColorBrush(static_cast<int>(c)); }

enum class TFontStyle { Regular, Bold };

struct TFont {
    const wchar_t* name;
    int height; // negative: character height in pixels
    TFontStyle style;
    TColor color;
};

FontHandle CreateFontFor(const TFont& font);

} // namespace ui
