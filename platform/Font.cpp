#include "Font.h"
#include "Error.h"

namespace ui {

FontHandle CreateFontFor(const TFont& font)
{
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.style == TFontStyle::Bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(lf.lfFaceName, font.name, LF_FACESIZE);
    return FontHandle(CheckWin32(CreateFontIndirectW(&lf), L"Impossible de créer la police"));
}

} // namespace ui
