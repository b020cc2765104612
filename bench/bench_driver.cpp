// Times the program against the bare baseline under the same conditions,
// alternating the two, and prints a Markdown table. Figures, not assertions.
#include "Driver.h"
#include "WindowQueries.h"
#include <psapi.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace testing;
using Clock = std::chrono::steady_clock;

namespace {

double Milliseconds(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

struct Series {
    std::vector<double> values;
    double Median() const
    {
        auto v = values;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
    }
    double Min() const { return values.empty() ? 0 : *std::min_element(values.begin(), values.end()); }
    double Max() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
};

// Polls every millisecond: the window is visible the moment the poll sees it.
HWND WaitVisible(const Program& program, const wchar_t* caption)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd : program.Windows())
                if (IsWindowVisible(hwnd) && TextOf(hwnd) == caption) found = hwnd;
            return found != nullptr;
        },
        20000);
    return found;
}

double PeakWorkingSetKiB(const Program& program)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(program.Process(), &counters, sizeof counters) ? counters.PeakWorkingSetSize / 1024.0 : 0;
}

struct Results {
    Series start, memory, box, picture, memoryAfterUse;
};

// Times the start to the visible main window, then takes the settled working set.
HWND TimedStart(const Program& program, Clock::time_point started, const wchar_t* caption, Results& r)
{
    HWND main = WaitVisible(program, caption);
    r.start.values.push_back(Milliseconds(started));
    Sleep(200);
    r.memory.values.push_back(PeakWorkingSetKiB(program));
    return main;
}

void RunBare(const std::wstring& exe, Results& r)
{
    const auto t0 = Clock::now();
    Program program(exe);
    HWND main = TimedStart(program, t0, L"Bare", r);
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit();
}

void RunVidange(const std::wstring& exe, Results& r)
{
    const auto t0 = Clock::now();
    Program program(exe);
    HWND main = TimedStart(program, t0, L"V-O-K", r);

    const auto t1 = Clock::now();
    PostMessageW(ChildByText(main, L"Solution"), BM_CLICK, 0, 0);
    HWND box = program.WaitForBox(main, 20000);
    r.box.values.push_back(Milliseconds(t1));
    PostMessageW(ChildByText(box, L"OK"), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box) && IsWindowEnabled(main); });

    const auto t2 = Clock::now();
    PostMessageW(ChildByText(main, L"?"), BM_CLICK, 0, 0);
    WaitVisible(program, L"Menu clip renault");
    r.picture.values.push_back(Milliseconds(t2));
    Sleep(100);
    r.memoryAfterUse.values.push_back(PeakWorkingSetKiB(program));
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit();
}

void Row(const char* what, const Series& program, const Series* bare, const char* unit)
{
    std::printf("| %s | %.1f %s (%.1f to %.1f) |", what, program.Median(), unit, program.Min(), program.Max());
    if (bare)
        std::printf(" %.1f %s (%.1f to %.1f) | %.2f |\n", bare->Median(), unit, bare->Min(), bare->Max(),
                    program.Median() / bare->Median());
    else
        std::printf(" | |\n");
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_driver Vidange.exe Bare.exe [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? _wtoi(argv[3]) : 20;
    Results vidange, bare;
    RunBare(argv[2], bare); // warm-up, not counted
    RunVidange(argv[1], vidange);
    vidange = {};
    bare = {};
    for (int i = 0; i < runs; ++i) {
        RunVidange(argv[1], vidange);
        RunBare(argv[2], bare);
    }
    std::printf("| measure (%d runs each, median and range) | Vidange | bare window | ratio |\n|---|---|---|---|\n", runs);
    Row("start to main window visible", vidange.start, &bare.start, "ms");
    Row("peak working set, started", vidange.memory, &bare.memory, "KiB");
    Row("peak working set, after the box and the picture", vidange.memoryAfterUse, nullptr, "KiB");
    Row("\"Solution\" click to box visible", vidange.box, nullptr, "ms");
    Row("\"?\" click to picture visible", vidange.picture, nullptr, "ms");
    return 0;
}
