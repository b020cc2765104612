#include "Unit2.h"

TForm2* Form2 = nullptr;
