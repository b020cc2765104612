// The two forms as their descriptions lay them out: windows, controls, fonts, colours, keyboard.
#include <doctest.h>
#include "WideStrings.h"
#include "Files.h"
#include "Modal.h"
#include "ProgramForms.h"
#include "Text.h"

using namespace testing;

namespace {


LOGFONTW FontOf(HWND hwnd)
{
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf;
}

SIZE TextExtent(HWND hwnd)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const std::wstring text = TextOf(hwnd);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return extent;
}


} // namespace

TEST_CASE("the main form's controls stand where the description puts them, in its fonts")
{
    EnsureProgramForms();
    struct Case {
        ui::TControl* control;
        const char* name;
        RECT bounds; // for labels, only the top-left corner: they size themselves
        const wchar_t* text;
        int fontHeight;
        bool label;
    };
    const Case cases[] = {
        {&Form1->Image1, "Image1", {8, 8, 209, 169}, L"", -12, false},
        {&Form1->Label1, "Label1", {141, 231, 0, 0}, L"MORVI K-Q", -13, true},
        {&Form1->Label2, "Label2", {16, 256, 0, 0}, L"www.morvi-kq.fr", -12, true},
        {&Form1->Button1, "Button1", {8, 183, 161, 216}, L"Solution", -15, false},
        {&Form1->Button2, "Button2", {8, 222, 73, 247}, L"Exit", -12, false},
        {&Form1->Button3, "Button3", {176, 183, 209, 216}, L"?", -15, false},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.name));
        HWND hwnd = c.control->Handle();
        REQUIRE(IsWindow(hwnd));
        CHECK(GetParent(hwnd) == Form1->Handle());
        const RECT r = ChildRect(hwnd);
        CHECK(r.left == c.bounds.left);
        CHECK(r.top == c.bounds.top);
        if (c.label) {
            const SIZE extent = TextExtent(hwnd);
            CHECK(r.right - r.left == extent.cx);
            CHECK(r.bottom - r.top == extent.cy);
            CHECK(r.right <= 217); // inside the form, overlapping nothing
        } else {
            CHECK(r.right == c.bounds.right);
            CHECK(r.bottom == c.bounds.bottom);
        }
        CHECK(TextOf(hwnd) == c.text);
        if (!*c.text) continue; // a picture: no font, no id worth checking
        const LOGFONTW font = FontOf(hwnd);
        CHECK(std::wstring(font.lfFaceName) == L"Tahoma");
        CHECK(font.lfHeight == c.fontHeight);
        CHECK(font.lfWeight == FW_BOLD);
        CHECK(font.lfCharSet == DEFAULT_CHARSET);
        const int id = GetDlgCtrlID(hwnd);
        CHECK(id != IDOK);
        CHECK(id != IDCANCEL);
    }
}

TEST_CASE("labels take their text colour and show the form's background")
{
    EnsureProgramForms();
    HDC dc = CreateCompatibleDC(nullptr);
    for (ui::TLabel* label : {&Form1->Label1, &Form1->Label2}) {
        const auto brush = SendMessageW(Form1->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(label->Handle()));
        CHECK(reinterpret_cast<HBRUSH>(brush) == GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        CHECK(GetTextColor(dc) == GetSysColor(COLOR_WINDOWTEXT));
        CHECK(GetBkMode(dc) == TRANSPARENT);
    }
    DeleteDC(dc);
}

TEST_CASE("the forms: captions, client sizes, backgrounds, frames and ownership")
{
    EnsureProgramForms();
    struct Case {
        ui::TForm* form;
        const wchar_t* caption;
        SIZE client;
        int background;
        HWND owner;
    };
    const Case cases[] = {
        {Form1, L"V-O-K", {217, 277}, COLOR_BTNHIGHLIGHT, nullptr},
        {Form2, L"Menu clip renault", {603, 391}, COLOR_BTNFACE, Form1->Handle()},
    };
    for (const Case& c : cases) {
        HWND hwnd = c.form->Handle();
        CAPTURE(ui::ToUtf8(c.caption));
        CHECK(TextOf(hwnd) == c.caption);
        const SIZE client = ClientSize(hwnd);
        CHECK(client.cx == c.client.cx);
        CHECK(client.cy == c.client.cy);
        CHECK(GetWindow(hwnd, GW_OWNER) == c.owner);
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        const LONG_PTR wanted = WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CAPTION;
        CHECK((style & wanted) == wanted);
        CHECK(GetMenu(hwnd) == nullptr);
        const bool taskbarButton = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0;
        CHECK(taskbarButton == (c.owner == nullptr));

        // The background the form erases to.
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, client.cx, client.cy);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        CHECK(GetPixel(dc, client.cx - 1, client.cy - 1) == GetSysColor(c.background));
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        CHECK(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0) != 0);
        CHECK(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0) != 0);
    }
}

TEST_CASE("the pictures are decoded at their natural sizes, in controls that clip them")
{
    EnsureProgramForms();
    CHECK(Form1->Image1.Picture.Width() == 200);
    CHECK(Form1->Image1.Picture.Height() == 161);
    CHECK(Form2->Image1.Picture.Width() == 602);
    CHECK(Form2->Image1.Picture.Height() == 404);
    const RECT r = ChildRect(Form2->Image1.Handle());
    CHECK(r.left == 0);
    CHECK(r.top == 0);
    CHECK(r.right == 601);
    CHECK(r.bottom == 393);
}

TEST_CASE("Tab goes Solution, Exit, ? and round; only the buttons take the focus")
{
    ActivateMainForm();
    HWND form = Form1->Handle();
    CHECK(GetFocus() == Form1->Button1.Handle());
    CHECK(GetNextDlgTabItem(form, Form1->Button1.Handle(), FALSE) == Form1->Button2.Handle());
    CHECK(GetNextDlgTabItem(form, Form1->Button2.Handle(), FALSE) == Form1->Button3.Handle());
    CHECK(GetNextDlgTabItem(form, Form1->Button3.Handle(), FALSE) == Form1->Button1.Handle());
    CHECK(GetNextDlgTabItem(form, Form1->Button1.Handle(), TRUE) == Form1->Button3.Handle());
    for (ui::TControl* c : std::initializer_list<ui::TControl*>{&Form1->Image1, &Form1->Label1, &Form1->Label2})
        CHECK((GetWindowLongPtrW(c->Handle(), GWL_STYLE) & WS_TABSTOP) == 0);
}

TEST_CASE("resizing a form moves and resizes none of its controls")
{
    EnsureProgramForms();
    for (ui::TForm* form : std::initializer_list<ui::TForm*>{Form1, Form2}) {
        std::vector<RECT> before;
        EnumChildWindows(
            form->Handle(),
            [](HWND child, LPARAM list) {
                reinterpret_cast<std::vector<RECT>*>(list)->push_back(ChildRect(child));
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&before));
        RECT original;
        GetWindowRect(form->Handle(), &original);
        for (SIZE size : {SIZE{900, 700}, SIZE{120, 90}}) {
            SetWindowPos(form->Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            size_t i = 0;
            std::pair<std::vector<RECT>*, size_t*> state(&before, &i);
            EnumChildWindows(
                form->Handle(),
                [](HWND child, LPARAM param) {
                    auto* state = reinterpret_cast<std::pair<std::vector<RECT>*, size_t*>*>(param);
                    const RECT now = ChildRect(child), was = (*state->first)[(*state->second)++];
                    CHECK(EqualRect(&now, &was));
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&state));
            CHECK(i == before.size());
        }
        SetWindowPos(form->Handle(), nullptr, 0, 0, original.right - original.left, original.bottom - original.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
