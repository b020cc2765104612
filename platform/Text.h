// UTF-8 <-> UTF-16 for exception texts, which C++ carries as narrow strings.
#pragma once
#include <string>
#include <string_view>

namespace ui {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

} // namespace ui
