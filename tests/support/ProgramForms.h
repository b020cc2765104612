// The program's two forms, created once in this process as the program creates them.
#pragma once
#include "Application.h"
#include "Unit2.h"
#include "vidange.h"

namespace testing {

void EnsureProgramForms();

// Shows the main form, makes it the active window and lets it settle.
void ActivateMainForm();

} // namespace testing
