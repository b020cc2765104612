#include "Error.h"
#include "Text.h"

namespace ui {

namespace {

std::wstring SystemText(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return text;
}

std::wstring Hex(DWORD code)
{
    std::wstring hex = L"0x00000000";
    for (size_t i = hex.size() - 1; code; --i, code >>= 4) hex[i] = L"0123456789ABCDEF"[code & 0xF];
    return hex;
}

std::wstring WithCode(std::wstring_view what, const wchar_t* kind, DWORD code)
{
    std::wstring text(what);
    text += L" (";
    text += kind;
    text += Hex(code);
    if (const std::wstring system = SystemText(code); !system.empty()) {
        text += L" : ";
        text += system;
    }
    return text + L")";
}

} // namespace

EPlatformError::EPlatformError(std::wstring message)
    : std::runtime_error(ToUtf8(message)), message_(std::move(message))
{
}

void ThrowHResult(std::wstring_view what, HRESULT hr)
{
    throw EPlatformError(WithCode(what, L"HRESULT ", static_cast<DWORD>(hr)));
}

EPlatformError LastError(std::wstring_view what)
{
    return EPlatformError(WithCode(what, L"erreur ", GetLastError()));
}

void ThrowLastError(std::wstring_view what)
{
    throw LastError(what);
}

std::wstring MessageOf(const std::exception& e)
{
    if (auto* platform = dynamic_cast<const EPlatformError*>(&e)) return platform->Message();
    return FromUtf8(e.what());
}

} // namespace ui
