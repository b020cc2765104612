// Lets the test framework print wide strings in failure messages.
#pragma once
#include <doctest.h>
#include "Text.h"
#include <string>

namespace doctest {
template <>
struct StringMaker<std::wstring> {
    static String convert(const std::wstring& s) { return ("L\"" + ui::ToUtf8(s) + "\"").c_str(); }
};
template <>
struct StringMaker<const wchar_t*> {
    static String convert(const wchar_t* s) { return StringMaker<std::wstring>::convert(s ? s : L"(null)"); }
};
} // namespace doctest
