// Whether the common controls' visual styles are really in force in this process.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace ui {

// Version 6 of the common controls is loaded (the manifest asks for it): probed
// with a message only its button answers, since some systems misreport the version.
bool CommonControls6Loaded();

// Themes on for the system and this application, and version 6 loaded.
bool VisualStylesActive();

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);
// TaskDialogIndirect from the loaded common controls, or null where they lack it.
TaskDialogIndirectFn TaskDialogEntry();

} // namespace ui
