// Working with modal boxes shown by this very thread: while a call runs its
// modal loop, a timer finds the box and hands it to the test.
#pragma once
#include <windows.h>
#include <functional>
#include "WindowQueries.h"

namespace testing {

enum class ModalOutcome {
    Dismissed, // the box appeared and `handle` dismissed it
    NoBox,     // no box appeared
    LeftOpen,  // still open at the time limit: closed by force so that the test goes on
};

// Calls `open`, which shows a modal box and returns once it is dismissed. The
// first new visible window of class `boxClass` in this thread goes to `handle`,
// which must dismiss it.
ModalOutcome WithModalBox(const wchar_t* boxClass, const std::function<void()>& open,
                          const std::function<void(HWND)>& handle, DWORD timeoutMs = 5000);

// Dispatches this thread's messages for `ms` milliseconds.
void PumpMessages(DWORD ms);

} // namespace testing
