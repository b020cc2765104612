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

} // namespace testing
