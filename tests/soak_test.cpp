// Long use in this process: the real forms and boxes, round after round, must
// leave no window and no GDI object behind.
#include <doctest.h>
#include "WideStrings.h"
#include "Modal.h"
#include "ProgramForms.h"
#include "ShowMessage.h"
#include <algorithm>

using namespace testing;

namespace {

// GDI handles carry their slot in the process's handle table in their low word;
// freed slots are used again first. Leaked objects hold slots, so the highest
// slot that a batch of fresh objects gets rises with every leak.
int GdiHighWater()
{
    HGDIOBJ probes[64];
    int highest = 0;
    for (HGDIOBJ& p : probes) {
        p = CreateSolidBrush(RGB(1, 2, 3));
        highest = std::max(highest, static_cast<int>(reinterpret_cast<UINT_PTR>(p) & 0xFFFF));
    }
    for (HGDIOBJ p : probes) DeleteObject(p);
    return highest;
}

size_t CountWindows()
{
    size_t count = 0;
    for (HWND hwnd : ThreadWindows()) count += 1 + ChildWindows(hwnd).size();
    return count;
}

struct Snapshot {
    size_t windows;
    int gdi;
};

Snapshot Take()
{
    PumpMessages(50);
    return {CountWindows(), GdiHighWater()};
}

void CheckNothingLeft(const Snapshot& before)
{
    const Snapshot after = Take();
    CHECK(after.windows == before.windows);
    CHECK(after.gdi <= before.gdi + 16);
    CHECK(SendMessageTimeoutW(Form1->Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr) != 0);
}

} // namespace

TEST_CASE("the GDI probe sees a leak")
{
    const int before = GdiHighWater();
    std::vector<HBRUSH> leaked(300);
    for (HBRUSH& b : leaked) b = CreateSolidBrush(RGB(9, 9, 9));
    CHECK(GdiHighWater() >= before + 250);
    for (HBRUSH b : leaked) DeleteObject(b);
}

TEST_CASE("1000 rounds of the instructions box, each kind, leave nothing behind")
{
    ActivateMainForm();
    for (bool latest : {true, false}) {
        CAPTURE(latest);
        ui::UseLatestCommonDialogs = latest;
        const wchar_t* boxClass = latest ? L"#32770" : L"ui.TMessageForm";
        const Snapshot before = Take();
        int dismissed = 0;
        for (int round = 0; round < 1000; ++round) {
            dismissed += WithModalBox(boxClass, [] { Form1->Button1.Click(); },
                                      [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }) == ModalOutcome::Dismissed;
        }
        ui::UseLatestCommonDialogs = true;
        CHECK(dismissed == 1000);
        CheckNothingLeft(before);
    }
}

TEST_CASE("1000 rounds of the picture window and 200 of minimize and restore leave nothing behind")
{
    ActivateMainForm();
    const Snapshot before = Take();
    for (int round = 0; round < 1000; ++round) {
        Form1->Button3.Click();
        PumpMessages(0);
        REQUIRE(Form2->Visible());
        Form2->Close();
        PumpMessages(0);
        REQUIRE_FALSE(Form2->Visible());
    }
    Form1->Button3.Click();
    for (int round = 0; round < 200; ++round) {
        ShowWindow(Form1->Handle(), SW_MINIMIZE);
        PumpMessages(0);
        REQUIRE_FALSE(Form2->Visible());
        ShowWindow(Form1->Handle(), SW_RESTORE);
        PumpMessages(0);
        REQUIRE(Form2->Visible());
    }
    Form2->Close();
    ActivateMainForm();
    CheckNothingLeft(before);
}
