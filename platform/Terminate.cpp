// What happens when a C++ exception escapes everything. The runtime's default
// handler writes to a console that a GUI program does not have, and drags a
// 46 KB demangler into the exe to do it; a box says it to the user instead.
// Linked into each program directly (not through the library), so that it
// stands in for the runtime's handler.
#include <windows.h>
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    MessageBoxW(nullptr, L"Erreur interne : le programme doit s'arrêter.", nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    std::abort();
}

} // namespace __gnu_cxx
