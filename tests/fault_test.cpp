// Failures stay contained: an exception in a handler and a picture that does not decode
// are reported in the error box, and the program goes on.
#include <doctest.h>
#include "WideStrings.h"
#include "Error.h"
#include "Modal.h"
#include "ProgramForms.h"
#include "Text.h"

using namespace testing;

namespace {

class TFaultyForm : public ui::TForm {
public:
    ui::TButton Button1;
    ui::TButton Button2;
    int clicks = 0;

    void Button1Click(ui::TObject*) { throw ui::EPlatformError(L"Échec simulé du gestionnaire"); }
    void Button2Click(ui::TObject*) { ++clicks; }

    static const ui::FormDescription<TFaultyForm> Description;
};

constexpr ui::TFont kFont{L"Tahoma", -12, ui::TFontStyle::Regular, ui::TColor::clWindowText};
constexpr ui::ControlDescription<TFaultyForm> kControls[] = {
    {.field = &TFaultyForm::Button1, .bounds = {8, 8, 80, 25}, .caption = L"Boum", .tabOrder = 0,
     .onClick = &TFaultyForm::Button1Click},
    {.field = &TFaultyForm::Button2, .bounds = {8, 40, 80, 25}, .caption = L"Compter", .tabOrder = 1,
     .onClick = &TFaultyForm::Button2Click},
};

class TBrokenPictureForm : public ui::TForm {
public:
    ui::TImage Image1;

    static const ui::FormDescription<TBrokenPictureForm> Description;
};

constexpr ui::ControlDescription<TBrokenPictureForm> kBrokenPicture[] = {
    {.field = &TBrokenPictureForm::Image1, .bounds = {8, 8, 50, 50}, .picture = L"BROKENJPEG"},
};

// The error box's facts: its caption, its text and its error icon.
struct ErrorBox {
    std::wstring caption, text;
    bool hasIcon = false;
};

ErrorBox ReadAndDismiss(HWND box)
{
    ErrorBox seen;
    seen.caption = TextOf(box);
    HWND message = FindChild(box, [](HWND c) { return ClassOf(c) == L"Static" && GetWindowTextLengthW(c) > 0; });
    seen.text = message ? TextOf(message) : L"";
    seen.hasIcon = FindChild(box, [](HWND c) { return (GetWindowLongPtrW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON; });
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return seen;
}

} // namespace

const ui::FormDescription<TFaultyForm> TFaultyForm::Description{L"Formulaire de test", 200, 100, ui::TColor::clBtnFace,
                                                                 kFont, kControls};
const ui::FormDescription<TBrokenPictureForm> TBrokenPictureForm::Description{
    L"Image illisible", 100, 100, ui::TColor::clBtnFace, kFont, kBrokenPicture};

TEST_CASE("a picture that cannot be decoded is named in the error box, and its form is still created")
{
    EnsureProgramForms();
    TBrokenPictureForm* form = nullptr;
    ErrorBox seen;
    const ModalOutcome outcome = WithModalBox(L"#32770", [&] { ui::Application.CreateForm(form); },
                                    [&](HWND box) { seen = ReadAndDismiss(box); });
    CHECK(outcome == ModalOutcome::Dismissed);
    CHECK(seen.caption == ui::Application.Title());
    CHECK(seen.text.find(L"BROKENJPEG") != std::wstring::npos);
    CHECK(seen.hasIcon);
    REQUIRE(form != nullptr);
    CHECK(IsWindow(form->Image1.Handle()));
    CHECK(form->Image1.Picture.Empty());
}

TEST_CASE("an exception in a handler is shown in the error box, and the form keeps working")
{
    EnsureProgramForms();
    static TFaultyForm* faulty = nullptr;
    if (!faulty) ui::Application.CreateForm(faulty);
    REQUIRE(faulty != nullptr);
    ShowWindow(faulty->Handle(), SW_SHOW);
    for (int round = 0; round < 3; ++round) {
        ErrorBox seen;
        const ModalOutcome outcome = WithModalBox(L"#32770",
                                        [] { SendMessageW(faulty->Button1.Handle(), BM_CLICK, 0, 0); },
                                        [&](HWND box) { seen = ReadAndDismiss(box); });
        CHECK(outcome == ModalOutcome::Dismissed);
        CHECK(seen.caption == ui::Application.Title());
        CHECK(seen.text == L"Échec simulé du gestionnaire");
        CHECK(seen.hasIcon);
        SendMessageW(faulty->Button2.Handle(), BM_CLICK, 0, 0);
        CHECK(faulty->clicks == round + 1);
    }
    ShowWindow(faulty->Handle(), SW_HIDE);
}

TEST_CASE("picture failures name the resource and say what went wrong")
{
    struct Case {
        const wchar_t* resource;
        const wchar_t* says;
    };
    const Case cases[] = {
        {L"BROKENJPEG", L"Impossible de décoder l'image JPEG « BROKENJPEG »"},
        {L"NOSUCHPICTURE", L"Ressource d'image introuvable : « NOSUCHPICTURE »"},
    };
    for (const Case& c : cases) {
        CAPTURE(ui::ToUtf8(c.resource));
        ui::TJPEGImage picture;
        std::wstring message;
        try {
            picture.LoadFromResource(GetModuleHandleW(nullptr), c.resource);
        } catch (const ui::EPlatformError& e) {
            message = e.Message();
        }
        CHECK(message.rfind(c.says, 0) == 0);
        CHECK(message.find(L"(") != std::wstring::npos); // the code follows
        CHECK(picture.Empty());
    }
}
