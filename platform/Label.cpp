#include "Label.h"
#include "Error.h"

namespace ui {

void TLabel::Created(const ControlSettings& settings)
{
    WindowDC dc(Handle());
    CheckWin32(dc.get(), L"Impossible de mesurer le texte d'une étiquette");
    SelectedObject font(dc.get(), Font());
    RECT extent{};
    const wchar_t* text = settings.caption ? settings.caption : L"";
    CheckWin32(DrawTextW(dc.get(), text, -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX),
               L"Impossible de mesurer le texte d'une étiquette");
    CheckWin32(SetWindowPos(Handle(), nullptr, 0, 0, extent.right, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE),
               L"Impossible de dimensionner une étiquette");
}

} // namespace ui
