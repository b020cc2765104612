#include "Application.h"
#include "Unit2.h"
#include "vidange.h"

using ui::Application;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    Application.Initialize();
    Application.MainFormOnTaskBar = true;
    Application.CreateForm(Form1);
    Application.CreateForm(Form2);
    Application.Run();
    return Application.ExitCode();
}
