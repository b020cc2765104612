// Random real input for a fixed time, from a seed that is printed so that a
// failure can be replayed: MONKEY_SEED and MONKEY_SECONDS set both.
#include <doctest.h>
#include "WideStrings.h"
#include "Driver.h"
#include "Modal.h"
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

using namespace testing;

namespace {

unsigned Setting(const char* name, unsigned fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

struct Session {
    std::unique_ptr<ThemeSetting> theme;
    std::unique_ptr<Program> program;
    HWND main = nullptr;
    HWND picture = nullptr;

    // Each start takes visual styles on or off, so both kinds of box meet the monkey.
    void Start(bool themed)
    {
        theme.reset();
        theme = std::make_unique<ThemeSetting>(themed);
        program = std::make_unique<Program>(VIDANGE_EXE);
        main = program->MainWindow();
        picture = program->WaitForWindow(L"Menu clip renault");
    }

    std::vector<HWND> Boxes() const
    {
        std::vector<HWND> boxes;
        for (HWND hwnd : program->Windows()) {
            const std::wstring cls = ClassOf(hwnd);
            if ((cls == L"#32770" || cls == L"ui.TMessageForm") && IsWindowVisible(hwnd)) boxes.push_back(hwnd);
        }
        return boxes;
    }

    // What must hold after every step while the program runs.
    std::string Broken() const
    {
        if (!IsWindow(main)) return "the main window is gone";
        if (!IsWindow(picture)) return "the picture window is gone";
        int pictures = 0;
        for (HWND hwnd : program->Windows()) pictures += TextOf(hwnd) == L"Menu clip renault";
        if (pictures != 1) return "picture windows: " + std::to_string(pictures);
        if (Boxes().size() > 1) return "more than one box";
        return "";
    }
};

POINT RandomPointIn(HWND hwnd, std::mt19937& rng)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    std::uniform_int_distribution<LONG> x(r.left, std::max(r.left, r.right - 1)), y(r.top, std::max(r.top, r.bottom - 1));
    return {x(rng), y(rng)};
}

void ClickAtScreen(POINT p)
{
    HWND desktop = GetDesktopWindow();
    ScreenToClient(desktop, &p);
    RealClick(desktop, p);
}

} // namespace

TEST_CASE("monkey: random clicks, keys, moves and resizes never break the program")
{
    const unsigned seed = Setting("MONKEY_SEED", 20261211), seconds = Setting("MONKEY_SECONDS", 45);
    std::printf("monkey: seed %u, %u seconds (MONKEY_SEED, MONKEY_SECONDS)\n", seed, seconds);
    std::mt19937 rng(seed);
    Session s;
    s.Start(true);
    REQUIRE(s.main);
    REQUIRE(s.picture);

    const char* const actions[] = {"click main", "click picture", "click box", "Tab", "Shift+Tab", "Enter",
                                   "Space",      "Esc",           "Alt+F4 picture", "move", "resize", "restore"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(actions)) - 1);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int steps = 0, exits = 0, withBox = 0, withPicture = 0;
    const DWORD end = GetTickCount() + seconds * 1000;
    while (GetTickCount() < end) {
        const int action = pick(rng);
        const HWND target = rng() % 2 ? s.main : s.picture;
        switch (action) {
        case 0: ClickAtScreen(RandomPointIn(s.main, rng)); break;
        case 1: if (IsWindowVisible(s.picture)) ClickAtScreen(RandomPointIn(s.picture, rng)); break;
        case 2: if (auto boxes = s.Boxes(); !boxes.empty()) ClickAtScreen(RandomPointIn(boxes[0], rng)); break;
        case 3: PressKey(VK_TAB); break;
        case 4: PressKey(VK_TAB, false, true); break;
        case 5: PressKey(VK_RETURN); break;
        case 6: PressKey(VK_SPACE); break;
        case 7: PressKey(VK_ESCAPE); break;
        case 8:
            if (IsWindowVisible(s.picture)) {
                SetForegroundWindow(s.picture);
                PressKey(VK_F4, false, false, true);
            }
            break;
        case 9:
            SetWindowPos(target, nullptr, static_cast<int>(rng() % (screenWidth / 2)),
                         static_cast<int>(rng() % (screenHeight / 2)), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case 10:
            SetWindowPos(target, nullptr, 0, 0, 80 + static_cast<int>(rng() % 800), 60 + static_cast<int>(rng() % 600),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case 11: if (IsIconic(s.main)) PostMessageW(s.main, WM_SYSCOMMAND, SC_RESTORE, 0); break;
        }
        ++steps;
        Sleep(25);
        // The way out: closing the main window. Its windows go first, then the process:
        // give a program whose windows are gone the time to end.
        const DWORD grace = IsWindow(s.main) && IsWindow(s.picture) ? 0 : 3000;
        if (const auto code = s.program->WaitForExit(grace)) {
            CHECK_MESSAGE(*code == 0, "step ", steps, ": ", std::string(actions[action]));
            ++exits;
            s.Start(rng() % 2 == 0);
            REQUIRE(s.main);
            continue;
        }
        withBox += !s.Boxes().empty();
        withPicture += IsWindowVisible(s.picture) != FALSE;
        const std::string broken = s.Broken();
        CHECK_MESSAGE(broken.empty(), "step ", steps, " (", std::string(actions[action]), "): ", broken);
        if (!broken.empty()) break;
    }
    std::printf("monkey: %d steps (%d with a box open, %d with the picture shown), %d exits through the main window\n",
                steps, withBox, withPicture, exits);

    for (HWND box : s.Boxes()) PostMessageW(ChildByText(box, L"OK"), BM_CLICK, 0, 0);
    WaitUntil([&] { return s.Boxes().empty(); });
    PostMessageW(s.main, WM_CLOSE, 0, 0);
    CHECK(s.program->WaitForExit().value_or(999) == 0);
}
