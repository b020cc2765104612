// Looking at windows and sending real input, for in-process and driver tests alike.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace testing {

std::wstring TextOf(HWND hwnd);
std::wstring ClassOf(HWND hwnd);

// The first child of `parent` (at any depth) that passes `test`, or null.
HWND FindChild(HWND parent, const std::function<bool(HWND)>& test);
// The child of `parent` whose text is `text`, or null.
HWND ChildByText(HWND parent, const std::wstring& text);
std::vector<HWND> ChildWindows(HWND parent);
// The top-level windows of the calling thread, hidden ones too.
std::vector<HWND> ThreadWindows();
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
SIZE ClientSize(HWND hwnd);

// Real keyboard input through the system's input queue.
void PressKey(WORD vk, bool ctrl = false, bool shift = false, bool alt = false);
// A real left click at the centre of `hwnd` (or at a client point of it).
void RealClick(HWND hwnd);
void RealClick(HWND hwnd, POINT client);

} // namespace testing
