#include "vidange.h"
#include "ShowMessage.h"
#include "Unit2.h"

TForm1* Form1 = nullptr;

const wchar_t* const ResetInstructions = L"1-diagnostic par calculateur         2-tableau de bord          3-Reparation ( en haut a droite)          4- solution A et B :              4-A: documentation avant/ apres reparation       ( chercher dans la liste CF199 )                                                                                       4-b: autres parametrages     ( bolmavestiquage autonomie vidange )";

void TForm1::Button1Click(ui::TObject*)
{
    ui::ShowMessage(ResetInstructions);
}

void TForm1::Button2Click(ui::TObject*)
{
    Close();
}

void TForm1::Button3Click(ui::TObject*)
{
    Form2->Show();
}
