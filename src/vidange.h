// The main window: the pictogram, the three commands and the credits.
#pragma once
#include "Form.h"

class TForm1 : public ui::TForm {
public:
    ui::TButton Button1;
    ui::TButton Button2;
    ui::TImage Image1;
    ui::TLabel Label1;
    ui::TButton Button3;
    ui::TLabel Label2;

    void Button1Click(ui::TObject* Sender);
    void Button2Click(ui::TObject* Sender);
    void Button3Click(ui::TObject* Sender);

    static const ui::FormDescription<TForm1> Description;
};

extern TForm1* Form1;

// The menu path in the diagnostic software that resets the oil-change range.
extern const wchar_t* const ResetInstructions;
