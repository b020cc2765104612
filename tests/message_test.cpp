// The reset-instructions box, both kinds: the task dialog and the classic message form.
#include <doctest.h>
#include "WideStrings.h"
#include "MessageForm.h"
#include "Modal.h"
#include "ProgramForms.h"
#include "ShowMessage.h"
#include "Text.h"
#include <algorithm>

using namespace testing;

namespace {

const wchar_t* const kTaskDialogClass = L"#32770";

struct Key {
    const char* name;
    WORD vk;
    bool alt;
};
const Key kDismissKeys[] = {{"Enter", VK_RETURN, false}, {"Space", VK_SPACE, false}, {"Esc", VK_ESCAPE, false}};

HWND ChildWithText(HWND box, const std::wstring& text)
{
    return FindChild(box, [&](HWND child) { return TextOf(child) == text; });
}

// Common facts of any kind of box: caption, text, a disabled owner.
void CheckBox(HWND box)
{
    CHECK(TextOf(box) == ui::Application.Title());
    CHECK(ChildWithText(box, ResetInstructions) != nullptr);
    CHECK(ChildWithText(box, L"OK") != nullptr);
    CHECK(GetWindow(box, GW_OWNER) == Form1->Handle());
    CHECK_FALSE(IsWindowEnabled(Form1->Handle()));
}

bool RunningUnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

void CheckOwnerBack()
{
    PumpMessages(50);
    CHECK(IsWindowEnabled(Form1->Handle()));
    CHECK(GetActiveWindow() == Form1->Handle());
}

struct ClassicDialogs {
    ClassicDialogs() { ui::UseLatestCommonDialogs = false; }
    ~ClassicDialogs() { ui::UseLatestCommonDialogs = true; }
};

} // namespace

TEST_CASE("with visual styles on, the instructions come in a task dialog that the usual keys dismiss")
{
    ActivateMainForm();
    REQUIRE(ui::TaskDialogInForce());
    // Wine's task dialog ignores Esc even when cancellation is allowed; Windows honours it.
    struct Case {
        Key key;
        bool dismissesUnderWine;
    };
    const Case cases[] = {{{"Enter", VK_RETURN, false}, true}, {{"Esc", VK_ESCAPE, false}, false}, {{"Alt+F4", VK_F4, true}, true}};
    for (const auto& [key, dismissesUnderWine] : cases) {
        CAPTURE(std::string(key.name));
        const ModalOutcome outcome = WithModalBox(kTaskDialogClass, [] { Form1->Button1.Click(); },
                                        [&](HWND box) {
                                            CheckBox(box);
                                            PressKey(key.vk, false, false, key.alt);
                                        });
        const bool dismisses = !RunningUnderWine() || dismissesUnderWine;
        CHECK(outcome == (dismisses ? ModalOutcome::Dismissed : ModalOutcome::LeftOpen));
        CheckOwnerBack();
    }
}

TEST_CASE("the classic message form: centred, wrapped to half the screen, in the message font")
{
    ActivateMainForm();
    ClassicDialogs classic;
    REQUIRE_FALSE(ui::TaskDialogInForce());
    for (const Key& key : kDismissKeys) {
        CAPTURE(std::string(key.name));
        const ModalOutcome outcome = WithModalBox(ui::kMessageFormClass, [] { Form1->Button1.Click(); }, [&](HWND box) {
            CheckBox(box);
            HWND text = ChildWithText(box, ResetInstructions);
            RECT textRect, boxRect;
            GetWindowRect(text, &textRect);
            GetWindowRect(box, &boxRect);
            const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
            CHECK(textRect.right - textRect.left <= screenWidth / 2);
            CHECK(std::abs((boxRect.left + boxRect.right) / 2 - screenWidth / 2) <= 1);
            CHECK(std::abs((boxRect.top + boxRect.bottom) / 2 - screenHeight / 2) <= 1);
            CHECK((GetWindowLongPtrW(box, GWL_STYLE) & WS_THICKFRAME) == 0);

            NONCLIENTMETRICSW metrics{};
            metrics.cbSize = sizeof metrics;
            SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), sizeof font, &font);
            CHECK(std::wstring(font.lfFaceName) == metrics.lfMessageFont.lfFaceName);
            TEXTMETRICW tm{};
            HDC dc = GetDC(text);
            HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
            GetTextMetricsW(dc, &tm);
            SelectObject(dc, old);
            ReleaseDC(text, dc);
            CHECK(textRect.bottom - textRect.top >= 3 * tm.tmHeight); // the long text wraps onto several lines
            PressKey(key.vk);
        });
        CHECK(outcome == ModalOutcome::Dismissed);
        CheckOwnerBack();
    }
}

TEST_CASE("Ctrl+C in the classic message form copies its caption and text")
{
    ActivateMainForm();
    ClassicDialogs classic;
    const ModalOutcome outcome = WithModalBox(ui::kMessageFormClass, [] { Form1->Button1.Click(); }, [](HWND) {
        PressKey('C', true);
        PressKey(VK_ESCAPE);
    });
    REQUIRE(outcome == ModalOutcome::Dismissed);
    REQUIRE(OpenClipboard(nullptr));
    const auto* copied = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    REQUIRE(copied != nullptr);
    CHECK(std::wstring(copied) == ui::MessageFormClipboardText(ui::Application.Title(), ResetInstructions));
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    CHECK(ui::MessageFormClipboardText(L"T", L"x") ==
          L"---------------------------\r\nT\r\n---------------------------\r\nx\r\n"
          L"---------------------------\r\nOK\r\n---------------------------\r\n");
}

TEST_CASE("the box shows the same caption and text every time, and leaves nothing behind")
{
    ActivateMainForm();
    for (bool latest : {true, false}) {
        ui::UseLatestCommonDialogs = latest;
        const wchar_t* boxClass = latest ? kTaskDialogClass : ui::kMessageFormClass;
        for (int round = 0; round < 10; ++round) {
            CAPTURE(round);
            const ModalOutcome outcome = WithModalBox(boxClass, [] { Form1->Button1.Click(); }, [](HWND box) {
                CheckBox(box);
                PostMessageW(box, WM_CLOSE, 0, 0);
            });
            CHECK(outcome == ModalOutcome::Dismissed);
        }
        ui::UseLatestCommonDialogs = true;
        PumpMessages(50);
        const auto windows = ThreadWindows();
        const auto boxes = std::count_if(windows.begin(), windows.end(), [](HWND hwnd) {
            const std::wstring cls = ClassOf(hwnd);
            return cls == kTaskDialogClass || cls == ui::kMessageFormClass;
        });
        CHECK(boxes == 0);
        CHECK(IsWindowEnabled(Form1->Handle()));
    }
}
