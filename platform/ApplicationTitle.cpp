#include "ApplicationTitle.h"
#include "Error.h"
#include <windows.h>

namespace ui {

std::wstring TitleFromModulePath(std::wstring_view path)
{
    std::wstring_view name = path.substr(path.find_last_of(L'\\') + 1);
    std::wstring title(name.substr(0, name.find(L'.')));
    if (title.size() > 1) CharLowerBuffW(title.data() + 1, static_cast<DWORD>(title.size() - 1));
    return title;
}

std::wstring ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) ThrowLastError(L"Impossible de lire le chemin du programme");
        if (length < path.size() && GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace ui
