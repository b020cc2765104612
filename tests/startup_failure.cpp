// The program's start-up with COM already taken in another apartment, so that
// the application object cannot initialise: it must say so and end with an error.
#include "Application.h"
#include "Unit2.h"
#include "vidange.h"
#include <objbase.h>

using ui::Application;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return 2;
    Application.Initialize();
    Application.MainFormOnTaskBar = true;
    Application.CreateForm(Form1);
    Application.CreateForm(Form2);
    Application.Run();
    return Application.ExitCode();
}
