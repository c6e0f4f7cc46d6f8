// Start-up time of the program next to the floor set by a bare dialog
// program of the same template: from process creation to the main window
// being visible. Usage: startup_bench PROGRAM FLOOR [RUNS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/Win32.h"

namespace {

struct Found {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<Found*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char title[64];
    if (owner == found->processId && ::IsWindowVisible(window) && ::GetWindowTextA(window, title, sizeof title) > 0 &&
        std::strcmp(title, "Tollwick v1.3") == 0) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from CreateProcess until the window shows; negative on failure.
double TimeOneStart(const char* program) {
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    char commandLine[MAX_PATH + 2];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", program);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    Found found{process.dwProcessId, nullptr};
    double elapsed = -1;
    for (int polls = 0; polls < 20000; ++polls) {
        ::EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&found));
        if (found.window != nullptr) {
            ::QueryPerformanceCounter(&now);
            elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
            break;
        }
        ::Sleep(1);
    }
    if (found.window != nullptr) ::PostMessageA(found.window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM FLOOR [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    std::vector<double> program, floor, ratios;
    TimeOneStart(argv[1]);  // the first start of each warms the caches
    TimeOneStart(argv[2]);
    for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits both alike
        const double a = TimeOneStart(argv[1]);
        const double b = TimeOneStart(argv[2]);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "run %d: the window of %s did not appear\n", i + 1, a < 0 ? argv[1] : argv[2]);
            return 1;
        }
        program.push_back(a);
        floor.push_back(b);
        ratios.push_back(a / b);
    }
    // The ratio of each pair of neighbouring starts: the machine's speed,
    // which drifts under Wine by half from one minute to the next, cancels.
    std::printf("start-up to visible main window, median of %d runs:\n", runs);
    std::printf("  Tollwick     %8.1f ms\n  bare dialog  %8.1f ms\n  ratio        %8.2f (median of the pairs' "
                "ratios; target <= 1.10)\n",
                Median(program), Median(floor), Median(ratios));
    return 0;
}
