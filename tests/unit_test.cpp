// The application title and the reset instructions.
#include <doctest.h>
#include "WideStrings.h"
#include "ApplicationTitle.h"
#include "Text.h"
#include "vidange.h"
#include <algorithm>
#include <string>

TEST_CASE("the title is the executable's name up to its first full stop, lower case after the first character")
{
    struct Case {
        const wchar_t* path;
        const wchar_t* title;
    };
    const Case cases[] = {
        {L"C:\\Programs\\OIL.Reset.EXE", L"Oil"},
        {L"C:\\Oil.exe", L"Oil"},
        {L"D:\\x\\OIL-RESET.V2.EXE", L"Oil-reset"},
        {L"C:\\x\\Vidange.exe", L"Vidange"},
        {L"C:\\x\\SANSPOINT", L"Sanspoint"},
        {L"C:\\x\\éCLAIR.exe", L"éclair"},
        {L"C:\\x\\ÉTÉ.EXE", L"Été"},
        {L"C:\\dir.with.dots\\PROG.exe", L"Prog"},
        {L"C:\\x\\.hidden.exe", L""},
        {L"noslash.EXE", L"noslash"},
        {L"C:\\x\\mIXED.Case.exe", L"mixed"},
    };
    for (const Case& c : cases) {
        CAPTURE(ui::ToUtf8(c.path));
        CHECK(ui::TitleFromModulePath(c.path) == c.title);
    }
}

TEST_CASE("the title is read from the full module path, however long")
{
    const std::wstring path = ui::ModulePath();
    CHECK(path.size() > 3);
    CHECK(path.find(L"unit_tests.exe") != std::wstring::npos);
    CHECK(ui::TitleFromModulePath(path) == L"unit_tests");
}

TEST_CASE("the reset instructions are the eight steps with their runs of spaces, in plain ASCII")
{
    struct Piece {
        const wchar_t* text;
        size_t spacesAfter;
    };
    const Piece pieces[] = {
        {L"1-diagnostic par calculateur", 9},
        {L"2-tableau de bord", 10},
        {L"3-Reparation ( en haut a droite)", 10},
        {L"4- solution A et B :", 14},
        {L"4-A: documentation avant/ apres reparation", 7},
        {L"( chercher dans la liste CF199 )", 87},
        {L"4-b: autres parametrages", 5},
        {L"( bolmavestiquage autonomie vidange )", 0},
    };
    const std::wstring text = ResetInstructions;
    REQUIRE(text.size() == 374);
    size_t at = 0;
    for (const Piece& p : pieces) {
        CAPTURE(ui::ToUtf8(p.text));
        CHECK(text.compare(at, wcslen(p.text), p.text) == 0);
        at += wcslen(p.text);
        CHECK(text.find_first_not_of(L' ', at) == (p.spacesAfter ? at + p.spacesAfter : std::wstring::npos));
        at += p.spacesAfter;
    }
    CHECK(at == text.size());
    CHECK(std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x20 && c < 0x7F; }));
}
