// The real program with one fault: COM is already taken in the multithreaded
// apartment before it starts, so the application object cannot initialise. It
// must say so and end with an error, not as a success.
#include <objbase.h>

namespace {
[[maybe_unused]] const HRESULT comTaken = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
}
