#include "ProgramForms.h"
#include "Modal.h"

namespace testing {

void EnsureProgramForms()
{
    if (Form1) return;
    ui::Application.MainFormOnTaskBar = true;
    ui::Application.CreateForm(Form1);
    ui::Application.CreateForm(Form2);
}

void ActivateMainForm()
{
    EnsureProgramForms();
    ShowWindow(Form1->Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Form1->Handle());
    SetActiveWindow(Form1->Handle());
    PumpMessages(100);
}

} // namespace testing
