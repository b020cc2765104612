#include "Modal.h"
#include <set>
#include <vector>

namespace testing {

namespace {

struct Watch {
    const wchar_t* boxClass;
    const std::function<void(HWND)>* handle;
    std::set<HWND> before;
    DWORD deadline;
    HWND box = nullptr;
    bool forced = false;
};
Watch* watch = nullptr;

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Closes whatever the test left open: the OK button first, then the window itself.
void ForceClose(HWND hwnd)
{
    if (HWND ok = FindChild(hwnd, [](HWND c) { return TextOf(c) == L"OK"; }))
        PostMessageW(ok, BM_CLICK, 0, 0);
    else
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (!watch || watch->forced) return;
    if (!watch->box) {
        for (HWND hwnd : ThreadWindows()) {
            if (watch->before.count(hwnd) || !IsWindowVisible(hwnd) || ClassOf(hwnd) != watch->boxClass) continue;
            watch->box = hwnd;
            (*watch->handle)(hwnd);
            return;
        }
    }
    if (GetTickCount() < watch->deadline) return;
    watch->forced = true;
    for (HWND hwnd : ThreadWindows())
        if (!watch->before.count(hwnd) && IsWindowVisible(hwnd)) ForceClose(hwnd);
}

} // namespace

ModalOutcome WithModalBox(const wchar_t* boxClass, const std::function<void()>& open,
                          const std::function<void(HWND)>& handle, DWORD timeoutMs)
{
    const auto windows = ThreadWindows();
    Watch w{boxClass, &handle, {windows.begin(), windows.end()}, GetTickCount() + timeoutMs};
    watch = &w;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    open();
    KillTimer(nullptr, timer);
    watch = nullptr;
    if (!w.box) return ModalOutcome::NoBox;
    return w.forced ? ModalOutcome::LeftOpen : ModalOutcome::Dismissed;
}

void PumpMessages(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() < end);
}

std::wstring TextOf(HWND hwnd)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassOf(HWND hwnd)
{
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

HWND FindChild(HWND parent, const std::function<bool(HWND)>& test)
{
    struct Search {
        const std::function<bool(HWND)>* test;
        HWND found = nullptr;
    } search{&test};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM param) {
            auto* s = reinterpret_cast<Search*>(param);
            if ((*s->test)(hwnd)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PressKey(WORD vk, bool ctrl, bool shift, bool alt)
{
    std::vector<INPUT> inputs;
    auto key = [&](WORD code, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = code;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (ctrl) key(VK_CONTROL, false);
    if (shift) key(VK_SHIFT, false);
    if (alt) key(VK_MENU, false);
    key(vk, false);
    key(vk, true);
    if (alt) key(VK_MENU, true);
    if (shift) key(VK_SHIFT, true);
    if (ctrl) key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace testing
