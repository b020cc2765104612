#include "ErrorBox.h"
#include "Application.h"
#include "Error.h"

namespace ui {

void ShowException(const std::exception& e) noexcept
{
    try {
        const std::wstring text = MessageOf(e);
        if (!MessageBoxW(Application.ActiveFormHandle(), text.c_str(), Application.Title().c_str(), MB_OK | MB_ICONERROR))
            OutputDebugStringW(text.c_str()); // no box could be shown: the debugger's log is all that is left
    } catch (...) {
        OutputDebugStringW(L"Erreur : le message d'erreur n'a pas pu être affiché");
    }
}

} // namespace ui
