#include "WindowQueries.h"

namespace testing {

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

HWND ChildByText(HWND parent, const std::wstring& text)
{
    return FindChild(parent, [&](HWND child) { return TextOf(child) == text; });
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

RECT ChildRect(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE ClientSize(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
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

void RealClick(HWND hwnd)
{
    const SIZE size = ClientSize(hwnd);
    RealClick(hwnd, {size.cx / 2, size.cy / 2});
}

void RealClick(HWND hwnd, POINT client)
{
    ClientToScreen(hwnd, &client);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& in : inputs) {
        in.type = INPUT_MOUSE;
        in.mi.dx = MulDiv(client.x, 65535, width - 1);
        in.mi.dy = MulDiv(client.y, 65535, height - 1);
        in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

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

} // namespace testing
