// The error box, and the guard that keeps exceptions from crossing a window procedure.
#pragma once
#include <windows.h>
#include <stdexcept>

namespace ui {

// Shows the exception's message in an error box captioned with the application title.
void ShowException(const std::exception& e) noexcept;

// Runs `body`; an exception is reported in the error box and `fallback` returned,
// so the message loop goes on.
template <class Body>
LRESULT Guarded(Body&& body, LRESULT fallback = 0) noexcept
{
    try {
        return body();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Erreur inattendue"));
    }
    return fallback;
}

} // namespace ui
