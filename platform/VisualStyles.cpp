#include "VisualStyles.h"
#include "Handles.h"
#include <uxtheme.h>

namespace ui {

bool CommonControls6Loaded()
{
    static const bool loaded = [] {
        WindowHandle probe(CreateWindowExW(0, WC_BUTTONW, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
        SIZE ideal{};
        return probe && SendMessageW(probe.get(), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0;
    }();
    return loaded;
}

bool VisualStylesActive()
{
    return IsAppThemed() && IsThemeActive() && CommonControls6Loaded();
}

TaskDialogIndirectFn TaskDialogEntry()
{
    // Looked up, not imported: without version 6 the import would stop the program from loading.
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    return comctl ? reinterpret_cast<TaskDialogIndirectFn>(
                        reinterpret_cast<void*>(GetProcAddress(comctl, "TaskDialogIndirect")))
                  : nullptr;
}

} // namespace ui
