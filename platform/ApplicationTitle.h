// The application title a program gets from its executable's name.
#pragma once
#include <string>
#include <string_view>

namespace ui {

// The file name after the last backslash, cut at its first full stop, every
// character but the first in lower case: "C:\x\OIL.Reset.EXE" gives "Oil".
std::wstring TitleFromModulePath(std::wstring_view path);

// The full path of the running executable, however long.
std::wstring ModulePath();

} // namespace ui
