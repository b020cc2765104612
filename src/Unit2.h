// The picture window: the annotated repair screen of the diagnostic software.
#pragma once
#include "Form.h"

class TForm2 : public ui::TForm {
public:
    ui::TImage Image1;

    static const ui::FormDescription<TForm2> Description;
};

extern TForm2* Form2;
