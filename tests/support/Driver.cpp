#include "Driver.h"
#include "WindowQueries.h"
#include <stdexcept>

namespace testing {

bool WaitUntil(const std::function<bool()>& condition, DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() > end) return false;
        Sleep(15);
    }
}

Program::Program(const std::wstring& exe, int showCommand)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
        throw std::runtime_error("the program could not be started");
}

Program::~Program()
{
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool Program::Running() const
{
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::WaitForExit(DWORD ms) const
{
    if (WaitForSingleObject(process_.hProcess, ms) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<HWND> Program::Windows() const
{
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{process_.dwProcessId, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == s->pid) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::WaitForWindow(const std::wstring& caption, DWORD ms) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd : Windows())
                if (ClassOf(hwnd) == L"ui.TForm" && TextOf(hwnd) == caption) found = hwnd;
            return found != nullptr;
        },
        ms);
    return found;
}

HWND Program::WaitForVisible(const std::wstring& caption, DWORD ms) const
{
    HWND hwnd = WaitForWindow(caption, ms);
    return hwnd && WaitUntil([&] { return IsWindowVisible(hwnd) != FALSE; }, ms) ? hwnd : nullptr;
}

HWND Program::WaitForBox(HWND owner, DWORD ms) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd : Windows()) {
                const std::wstring cls = ClassOf(hwnd);
                if ((cls == L"#32770" || cls == L"ui.TMessageForm") && GetWindow(hwnd, GW_OWNER) == owner &&
                    IsWindowVisible(hwnd))
                    found = hwnd;
            }
            return found != nullptr;
        },
        ms);
    return found;
}

HWND Program::FocusedWindow() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

namespace {
constexpr wchar_t kThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

void WriteThemeActive(const std::wstring& value)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the theme settings");
    RegSetValueExW(key, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}
} // namespace

ThemeSetting::ThemeSetting(bool active) : previous_(L"1")
{
    wchar_t value[8] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kThemeKey, L"ThemeActive", RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS)
        previous_ = value;
    WriteThemeActive(active ? L"1" : L"0");
}

ThemeSetting::~ThemeSetting()
{
    WriteThemeActive(previous_);
}

RenamedCopy::RenamedCopy(const std::wstring& source, const std::wstring& name)
{
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    folder_ = std::wstring(temp) + L"vidange-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount());
    CreateDirectoryW(folder_.c_str(), nullptr);
    path_ = folder_ + L"\\" + name;
    if (!CopyFileW(source.c_str(), path_.c_str(), FALSE)) throw std::runtime_error("cannot copy the program");
}

RenamedCopy::~RenamedCopy()
{
    WaitUntil([&] { return DeleteFileW(path_.c_str()) != FALSE; }, 3000); // once the process lets go of it
    RemoveDirectoryW(folder_.c_str());
}

} // namespace testing
