// The error box, and the guard that keeps exceptions from crossing a window procedure.
#pragma once
#include <windows.h>
#include <stdexcept>
#include <type_traits>

namespace ui {

// Shows the exception's message in an error box captioned with the application title.
void ShowException(const std::exception& e) noexcept;

// Runs `body`; an exception is reported in the error box and a default result
// returned, so the message loop goes on.
template <class Body, class Result = std::invoke_result_t<Body>>
Result Guarded(Body&& body) noexcept
{
    try {
        return body();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Erreur inattendue"));
    }
    if constexpr (!std::is_void_v<Result>) return Result{};
}

} // namespace ui
