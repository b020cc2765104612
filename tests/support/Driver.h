// Driving the real program from outside, as a person would: start it, find its
// windows, click and type through the system's input queue, watch it end.
#pragma once
#include "WindowQueries.h"
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing {

// Polls `condition` until it holds or `ms` pass; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms = 5000);

class Program {
public:
    // Starts `exe`; `showCommand` is what a shortcut's run setting would ask (none: -1).
    explicit Program(const std::wstring& exe, int showCommand = -1);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // Ends a program the test left running.
    ~Program();

    bool Running() const;
    DWORD Id() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    // The exit code, or nothing if the program is still running after `ms`.
    std::optional<DWORD> WaitForExit(DWORD ms = 10000) const;

    // The process's top-level windows, hidden ones too.
    std::vector<HWND> Windows() const;
    // Its top-level window with this caption (visible or not), waited for; null if none came.
    HWND WaitForWindow(const std::wstring& caption, DWORD ms = 10000) const;
    // The visible main window, once it is up.
    HWND MainWindow() const { return WaitForVisible(L"V-O-K"); }
    HWND WaitForVisible(const std::wstring& caption, DWORD ms = 10000) const;
    // A visible message box owned by `owner`, waited for; null if none came.
    HWND WaitForBox(HWND owner, DWORD ms = 5000) const;
    HWND FocusedWindow() const;

private:
    PROCESS_INFORMATION process_{};
};

// Sets the system's visual styles on or off for programs started from now on,
// and puts the setting back afterwards.
class ThemeSetting {
public:
    explicit ThemeSetting(bool active);
    ThemeSetting(const ThemeSetting&) = delete;
    ThemeSetting& operator=(const ThemeSetting&) = delete;
    ~ThemeSetting();

private:
    std::wstring previous_;
};

// A copy of a file under another name in a fresh temporary folder, removed afterwards.
class RenamedCopy {
public:
    RenamedCopy(const std::wstring& source, const std::wstring& name);
    RenamedCopy(const RenamedCopy&) = delete;
    RenamedCopy& operator=(const RenamedCopy&) = delete;
    ~RenamedCopy();
    const std::wstring& Path() const { return path_; }

private:
    std::wstring folder_, path_;
};

} // namespace testing
