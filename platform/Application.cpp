#include "Application.h"
#include "ApplicationTitle.h"
#include "Error.h"
#include "ErrorBox.h"
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <algorithm>

namespace ui {

TApplication Application;

namespace {

// The show command the process was started with, as a shortcut's run setting asks.
int StartupShowCommand()
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (!(startup.dwFlags & STARTF_USESHOWWINDOW)) return SW_SHOWNORMAL;
    switch (startup.wShowWindow) {
    case SW_SHOWMAXIMIZED: return SW_SHOWMAXIMIZED;
    case SW_SHOWMINNOACTIVE: return SW_SHOWMINNOACTIVE;
    default: return SW_SHOWNORMAL;
    }
}

} // namespace

TApplication::TApplication()
{
    try {
        title_ = TitleFromModulePath(ModulePath());
    } catch (const std::exception&) {
        // Without its path the program still runs; its boxes just go untitled.
    }
    bigIcon_ = LoadIconSized(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), ownedBigIcon_);
    smallIcon_ = LoadIconSized(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ownedSmallIcon_);
}

TApplication::~TApplication()
{
    DestroyForms();
    if (comInitialized_) CoUninitialize();
}

HICON TApplication::LoadIconSized(int cx, int cy, IconHandle& owned) const
{
    owned.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
    return owned ? owned.get() : LoadIconW(nullptr, IDI_APPLICATION); // the system's, shared
}

void TApplication::Initialize()
{
    try {
        CheckHResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE),
                     L"Impossible d'initialiser COM");
        comInitialized_ = true;
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        CheckWin32(InitCommonControlsEx(&controls), L"Impossible d'initialiser les contrôles communs");
    } catch (const std::exception& e) {
        Fail(e);
    }
}

void TApplication::Fail(const std::exception& e)
{
    ShowException(e);
    failed_ = true;
    exitCode_ = 1;
}

void TApplication::Adopt(std::unique_ptr<TForm> form)
{
    if (!mainForm_) mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

HWND TApplication::OwnerForNewForm() const
{
    return MainFormOnTaskBar && mainForm_ ? mainForm_->Handle() : nullptr;
}

bool TApplication::IsForm(HWND hwnd) const
{
    return hwnd && std::any_of(forms_.begin(), forms_.end(), [&](const auto& form) { return form->Handle() == hwnd; });
}

HWND TApplication::ActiveFormHandle() const
{
    HWND active = GetActiveWindow();
    if (IsForm(active)) return active;
    return mainForm_ ? mainForm_->Handle() : nullptr;
}

// Tab, Shift+Tab, Enter and Esc go to the active form's dialog navigation.
bool TApplication::IsDialogNavigation(MSG& msg) const
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    HWND active = GetActiveWindow();
    return IsForm(active) && IsDialogMessageW(active, &msg);
}

void TApplication::Run()
{
    if (failed_ || !mainForm_) {
        DestroyForms();
        return;
    }
    ShowWindow(mainForm_->Handle(), StartupShowCommand());
    UpdateWindow(mainForm_->Handle());
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            exitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) {
            ShowException(LastError(L"La boucle de messages a échoué"));
            exitCode_ = 1;
            break;
        }
        if (!IsDialogNavigation(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DestroyForms();
}

void TApplication::DestroyForms()
{
    for (const auto& form : forms_) ShowWindow(form->Handle(), SW_HIDE);
    // Owned forms go before their owner.
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
}

} // namespace ui
