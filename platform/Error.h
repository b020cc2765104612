// Failures of the platform, carried as exceptions with a French message for the user.
#pragma once
#include <windows.h>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

class EPlatformError : public std::runtime_error {
public:
    explicit EPlatformError(std::wstring message);
    const std::wstring& Message() const { return message_; }

private:
    std::wstring message_;
};

// "<what> (HRESULT 0x80004005 : <system text>)"
[[noreturn]] void ThrowHResult(std::wstring_view what, HRESULT hr);
// "<what> (erreur 0x00000005 : <system text>)", from GetLastError.
EPlatformError LastError(std::wstring_view what);
[[noreturn]] void ThrowLastError(std::wstring_view what);

inline void CheckHResult(HRESULT hr, std::wstring_view what)
{
    if (FAILED(hr)) ThrowHResult(what, hr);
}

template <class T>
T CheckWin32(T result, std::wstring_view what)
{
    if (!result) ThrowLastError(what);
    return result;
}

// The text to show the user for any exception caught at a window procedure.
std::wstring MessageOf(const std::exception& e);

} // namespace ui
