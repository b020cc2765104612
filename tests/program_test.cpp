// The real program, started and used from outside as a person would use it.
#include <doctest.h>
#include "WideStrings.h"
#include "Driver.h"
#include "Files.h"
#include "JpegImage.h"
#include "Modal.h"
#include <algorithm>
#include <commctrl.h>

using namespace testing;

namespace {

const std::wstring kExe = VIDANGE_EXE;
const std::wstring kInstructions =
    L"1-diagnostic par calculateur         2-tableau de bord          3-Reparation ( en haut a droite)          "
    L"4- solution A et B :              4-A: documentation avant/ apres reparation       ( chercher dans la liste "
    L"CF199 )                                                                                       4-b: autres "
    L"parametrages     ( bolmavestiquage autonomie vidange )";

void Click(HWND main, const wchar_t* button)
{
    PostMessageW(ChildByText(main, button), BM_CLICK, 0, 0);
}

// Presses the box's OK button and waits until the box is gone.
bool DismissBox(HWND box)
{
    PostMessageW(ChildByText(box, L"OK"), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(box); });
}

// Closes the main window as its close box does; the exit code, or 999 if it did not end.
DWORD CloseAndWait(const Program& program, HWND main)
{
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    return program.WaitForExit().value_or(999);
}

void BringToFront(HWND hwnd)
{
    SetForegroundWindow(hwnd);
    WaitUntil([&] { return GetForegroundWindow() == hwnd; }, 2000);
}

bool NoBoxAppears(const Program& program, HWND main)
{
    return program.WaitForBox(main, 400) == nullptr;
}

} // namespace

TEST_CASE("the instructions box is captioned with the executable's name")
{
    struct Case {
        const wchar_t* file;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {L"Vidange.exe", L"Vidange"},     {L"OIL.Reset.EXE", L"Oil"},      {L"Oil.exe", L"Oil"},
        {L"OIL-RESET.V2.EXE", L"Oil-reset"}, {L"éCLAIR.exe", L"éclair"},   {L"ÉTÉ.exe", L"Été"},
        {L"SANSPOINT", L"Sanspoint"},
    };
    for (const Case& c : cases) {
        CAPTURE(ui::ToUtf8(c.file));
        RenamedCopy copy(kExe, c.file);
        {
            Program program(copy.Path());
            HWND main = program.MainWindow();
            REQUIRE(main);
            Click(main, L"Solution");
            HWND box = program.WaitForBox(main);
            REQUIRE(box);
            CHECK(TextOf(box) == c.caption);
            CHECK(DismissBox(box));
            CHECK(CloseAndWait(program, main) == 0);
        }
    }
}

TEST_CASE("the main window: caption, size, controls, focus and keyboard")
{
    Program program(kExe);
    HWND main = program.MainWindow();
    REQUIRE(main);
    CHECK(TextOf(main) == L"V-O-K");
    CHECK(ClientSize(main).cx == 217);
    CHECK(ClientSize(main).cy == 277);
    CHECK(GetWindow(main, GW_OWNER) == nullptr);

    struct Control {
        const wchar_t* text;
        POINT topLeft;
        SIZE size; // {0, 0}: a label, sized to its text
    };
    const Control controls[] = {
        {L"Solution", {8, 183}, {153, 33}}, {L"Exit", {8, 222}, {65, 25}}, {L"?", {176, 183}, {33, 33}},
        {L"MORVI K-Q", {141, 231}, {0, 0}}, {L"www.morvi-kq.fr", {16, 256}, {0, 0}},
    };
    for (const Control& c : controls) {
        CAPTURE(ui::ToUtf8(c.text));
        HWND child = ChildByText(main, c.text);
        REQUIRE(child);
        const RECT r = ChildRect(child);
        CHECK(r.left == c.topLeft.x);
        CHECK(r.top == c.topLeft.y);
        if (c.size.cx) {
            CHECK(r.right - r.left == c.size.cx);
            CHECK(r.bottom - r.top == c.size.cy);
        } else {
            CHECK(r.right <= 217);
            CHECK(r.bottom <= 277);
        }
    }
    HWND image = FindChild(main, [](HWND c) { return ClassOf(c) == L"ui.TImage"; });
    REQUIRE(image);
    const RECT imageRect = ChildRect(image);
    CHECK((imageRect.left == 8 && imageRect.top == 8 && imageRect.right == 209 && imageRect.bottom == 169));

    BringToFront(main);
    HWND solution = ChildByText(main, L"Solution"), exit = ChildByText(main, L"Exit"), help = ChildByText(main, L"?");
    CHECK(program.FocusedWindow() == solution);
    struct Step {
        const char* keys;
        bool shift;
        HWND focus;
    };
    const Step steps[] = {{"Tab", false, exit},        {"Tab", false, help},        {"Tab", false, solution},
                          {"Shift+Tab", true, help},   {"Shift+Tab", true, exit},   {"Shift+Tab", true, solution}};
    for (const Step& s : steps) {
        PressKey(VK_TAB, false, s.shift);
        CHECK(WaitUntil([&] { return program.FocusedWindow() == s.focus; }, 2000));
    }

    PressKey(VK_ESCAPE); // no cancel button: nothing happens
    CHECK(NoBoxAppears(program, main));
    CHECK(program.Running());
    for (WORD key : {VK_RETURN, VK_SPACE}) { // either clicks the focused "Solution"
        PressKey(key);
        HWND box = program.WaitForBox(main);
        REQUIRE(box);
        CHECK(DismissBox(box));
        CHECK(WaitUntil([&] { return program.FocusedWindow() == solution; }, 2000));
    }
    CHECK(CloseAndWait(program, main) == 0);
}

TEST_CASE("the instructions box, styled and classic: modal, exact text, and nothing left behind")
{
    struct Case {
        const char* name;
        bool themed;
        const wchar_t* boxClass;
    };
    const Case cases[] = {{"task dialog", true, L"#32770"}, {"classic form", false, L"ui.TMessageForm"}};
    for (const Case& c : cases) {
        CAPTURE(std::string(c.name));
        ThemeSetting theme(c.themed);
        Program program(kExe);
        HWND main = program.MainWindow();
        REQUIRE(main);
        const size_t windowsAtStart = program.Windows().size();
        const size_t childrenAtStart = ChildWindows(main).size();

        Click(main, L"Solution");
        HWND box = program.WaitForBox(main);
        REQUIRE(box);
        CHECK(ClassOf(box) == c.boxClass);
        CHECK(TextOf(box) == L"Vidange");
        CHECK(ChildByText(box, kInstructions) != nullptr);
        CHECK_FALSE(IsWindowEnabled(main));

        // Real clicks on the main window do nothing while the box is open.
        RealClick(ChildByText(main, L"?"));
        RealClick(ChildByText(main, L"Exit"));
        Sleep(300);
        CHECK(program.Running());
        CHECK(IsWindow(box));
        CHECK_FALSE(IsWindowVisible(program.WaitForWindow(L"Menu clip renault", 200)));

        RealClick(ChildByText(box, L"OK"));
        CHECK(WaitUntil([&] { return !IsWindow(box); }));
        CHECK(WaitUntil([&] { return IsWindowEnabled(main) && GetForegroundWindow() == main; }));

        for (int round = 0; round < 50; ++round) {
            Click(main, L"Solution");
            HWND again = program.WaitForBox(main);
            REQUIRE(again);
            CHECK(TextOf(again) == L"Vidange");
            REQUIRE(DismissBox(again));
        }
        CHECK(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
        CHECK(program.Windows().size() == windowsAtStart);
        CHECK(ChildWindows(main).size() == childrenAtStart);
        CHECK(CloseAndWait(program, main) == 0);
    }
}

TEST_CASE("\"?\" shows the one picture window, which closing only hides and which keeps its place")
{
    Program program(kExe);
    HWND main = program.MainWindow();
    REQUIRE(main);
    HWND picture = program.WaitForWindow(L"Menu clip renault");
    REQUIRE(picture);
    CHECK_FALSE(IsWindowVisible(picture));

    Click(main, L"?");
    REQUIRE(WaitUntil([&] { return IsWindowVisible(picture) != FALSE; }));
    CHECK(GetWindow(picture, GW_OWNER) == main);
    CHECK((GetWindowLongPtrW(picture, GWL_EXSTYLE) & WS_EX_APPWINDOW) == 0);
    CHECK(ClientSize(picture).cx == 603);
    CHECK(ClientSize(picture).cy == 391);
    CHECK(WaitUntil([&] { return GetForegroundWindow() == picture; }));

    const auto pictureWindows = [&] {
        const auto all = program.Windows();
        return std::count_if(all.begin(), all.end(), [](HWND w) { return TextOf(w) == L"Menu clip renault"; });
    };
    BringToFront(main);
    Click(main, L"?");
    CHECK(WaitUntil([&] { return GetForegroundWindow() == picture; }));
    CHECK(pictureWindows() == 1);

    SetWindowPos(picture, nullptr, 40, 50, 700, 480, SWP_NOZORDER);
    RECT placed;
    GetWindowRect(picture, &placed);
    PostMessageW(picture, WM_CLOSE, 0, 0);
    CHECK(WaitUntil([&] { return !IsWindowVisible(picture); }));
    Sleep(200);
    CHECK(program.Running());
    CHECK(IsWindowVisible(main));

    Click(main, L"?");
    REQUIRE(WaitUntil([&] { return IsWindowVisible(picture) != FALSE; }));
    RECT shown;
    GetWindowRect(picture, &shown);
    CHECK(EqualRect(&placed, &shown));
    CHECK(pictureWindows() == 1);

    PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(WaitUntil([&] { return IsIconic(main) && !IsWindowVisible(picture); }));
    PostMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    CHECK(WaitUntil([&] { return !IsIconic(main) && IsWindowVisible(picture); }));

    BringToFront(picture);
    PressKey(VK_F4, false, false, true); // Alt+F4 on the picture window hides it
    CHECK(WaitUntil([&] { return !IsWindowVisible(picture); }));
    Sleep(200);
    CHECK(program.Running());
    CHECK(CloseAndWait(program, main) == 0);
}

TEST_CASE("a start-up that fails is reported in the error box and ends with exit code 1")
{
    Program program(STARTUP_FAILURE_EXE);
    HWND box = nullptr;
    WaitUntil([&] {
        for (HWND hwnd : program.Windows())
            if (ClassOf(hwnd) == L"#32770" && IsWindowVisible(hwnd)) box = hwnd;
        return box != nullptr;
    });
    REQUIRE(box);
    CHECK(TextOf(box) == L"startup_failure");
    CHECK(FindChild(box, [](HWND c) { return TextOf(c).rfind(L"Impossible d'initialiser COM (HRESULT 0x", 0) == 0; }));
    CHECK(program.WaitForWindow(L"V-O-K", 300) == nullptr);
    PostMessageW(ChildByText(box, L"OK"), BM_CLICK, 0, 0);
    CHECK(program.WaitForExit().value_or(999) == 1);
}

TEST_CASE("a second start is a second, independent program")
{
    Program first(kExe), second(kExe);
    HWND firstMain = first.MainWindow(), secondMain = second.MainWindow();
    REQUIRE(firstMain);
    REQUIRE(secondMain);
    CHECK(firstMain != secondMain);
    CHECK(CloseAndWait(first, firstMain) == 0);
    CHECK(second.Running());
    CHECK(IsWindowVisible(secondMain));
    CHECK(CloseAndWait(second, secondMain) == 0);
}

TEST_CASE("the main window opens as the process was asked to start it")
{
    struct Case {
        const char* name;
        int showCommand;
        bool maximized, minimized;
    };
    const Case cases[] = {{"maximized (3)", SW_SHOWMAXIMIZED, true, false},
                          {"minimized (7)", SW_SHOWMINNOACTIVE, false, true},
                          {"normal (1)", SW_SHOWNORMAL, false, false},
                          {"default (10)", SW_SHOWDEFAULT, false, false}};
    for (const Case& c : cases) {
        CAPTURE(std::string(c.name));
        Program program(kExe, c.showCommand);
        HWND main = program.MainWindow();
        REQUIRE(main);
        CHECK(WaitUntil([&] { return (IsZoomed(main) != FALSE) == c.maximized && (IsIconic(main) != FALSE) == c.minimized; },
                        2000));
        CHECK(CloseAndWait(program, main) == 0);
    }
}

TEST_CASE("every way of closing the main window ends the program with exit code 0")
{
    struct Case {
        const char* name;
        bool pictureShown;
        void (*close)(HWND main);
    };
    const Case cases[] = {
        {"Exit", false, [](HWND main) { Click(main, L"Exit"); }},
        {"close box", false, [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", false, [](HWND main) { BringToFront(main); PressKey(VK_F4, false, false, true); }},
        {"real click on Exit", false, [](HWND main) { BringToFront(main); RealClick(ChildByText(main, L"Exit")); }},
        {"Exit with the picture shown", true, [](HWND main) { Click(main, L"Exit"); }},
        {"close box with the picture shown", true, [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.name));
        Program program(kExe);
        HWND main = program.MainWindow();
        REQUIRE(main);
        HWND picture = program.WaitForWindow(L"Menu clip renault");
        if (c.pictureShown) {
            Click(main, L"?");
            REQUIRE(WaitUntil([&] { return IsWindowVisible(picture) != FALSE; }));
            BringToFront(main);
        }
        c.close(main);
        CHECK(program.WaitForExit().value_or(999) == 0);
        CHECK(program.Windows().empty());
    }
}

namespace {

TOKEN_ELEVATION_TYPE ElevationOf(HANDLE process)
{
    HANDLE token = nullptr;
    TOKEN_ELEVATION_TYPE type{};
    DWORD size = 0;
    if (OpenProcessToken(process, TOKEN_QUERY, &token)) {
        GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size);
        CloseHandle(token);
    }
    return type;
}

// Asks a button of another process for its ideal size, an answer only version 6
// of the common controls gives; the SIZE lives in that process.
bool AnswersIdealSize(const Program& program, HWND button)
{
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, program.Id());
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(SIZE), MEM_COMMIT, PAGE_READWRITE);
    const bool answered = remote && SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(remote)) != 0;
    SIZE ideal{};
    if (remote) {
        ReadProcessMemory(process, remote, &ideal, sizeof ideal, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return answered && ideal.cx > 0;
}

} // namespace

// The forms' icons are checked in-process: Wine answers WM_GETICON from another process with nothing.
TEST_CASE("at run time: common controls 6 and the invoker's rights")
{
    Program program(kExe);
    HWND main = program.MainWindow();
    REQUIRE(main);
    CHECK(AnswersIdealSize(program, ChildByText(main, L"Solution")));
    CHECK(ElevationOf(program.Process()) == ElevationOf(GetCurrentProcess()));
    CHECK(CloseAndWait(program, main) == 0);
}

namespace {

// The pixels the screen shows in a window's client area.
Pixels CaptureClient(HWND hwnd)
{
    const SIZE size = ClientSize(hwnd);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    Pixels pixels = PixelsOf(bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

Pixels DecodedFile(const wchar_t* file)
{
    const auto bytes = ReadBytes(ResourcePath(file));
    ui::TJPEGImage picture;
    picture.LoadFromMemory(bytes.data(), bytes.size(), file);
    return PixelsOf(picture.Handle());
}

// Share of the picture's pixels that the screen shows at `offset`, within a small tolerance.
double Matching(const Pixels& screen, const Pixels& picture, POINT offset, SIZE visible)
{
    int same = 0;
    for (int y = 0; y < visible.cy; ++y)
        for (int x = 0; x < visible.cx; ++x) same += ChannelDistance(screen.At(offset.x + x, offset.y + y), picture.At(x, y)) <= 8;
    return double(same) / (visible.cx * visible.cy);
}

int ColumnMismatches(const Pixels& screen, int x, int top, int bottom, std::uint32_t colour)
{
    int wrong = 0;
    for (int y = top; y < bottom; ++y) wrong += ChannelDistance(screen.At(x, y), colour) > 8;
    return wrong;
}

} // namespace

TEST_CASE("on screen: the pictures at natural size, clipped by their controls, on the forms' backgrounds")
{
    Program program(kExe);
    HWND main = program.MainWindow();
    REQUIRE(main);
    BringToFront(main);
    Sleep(300);
    const Pixels mainShot = CaptureClient(main);
    CHECK(Matching(mainShot, DecodedFile(L"pictogram.jpg"), {8, 8}, {200, 161}) > 0.99);
    const std::uint32_t highlight = FromColorRef(GetSysColor(COLOR_BTNHIGHLIGHT));
    CHECK(ColumnMismatches(mainShot, 208, 8, 169, highlight) == 0); // the image's extra column
    CHECK(ColumnMismatches(mainShot, 4, 0, 277, highlight) == 0);

    Click(main, L"?");
    HWND picture = program.WaitForVisible(L"Menu clip renault");
    REQUIRE(picture);
    SetWindowPos(picture, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    Sleep(300);
    const Pixels pictureShot = CaptureClient(picture);
    REQUIRE(pictureShot.width == 603);
    REQUIRE(pictureShot.height == 391);
    CHECK(Matching(pictureShot, DecodedFile(L"menu-clip.jpg"), {0, 0}, {601, 391}) > 0.99);
    const std::uint32_t face = FromColorRef(GetSysColor(COLOR_BTNFACE));
    CHECK(ColumnMismatches(pictureShot, 601, 0, 391, face) == 0);
    CHECK(ColumnMismatches(pictureShot, 602, 0, 391, face) == 0);
    CHECK(CloseAndWait(program, main) == 0);
}
