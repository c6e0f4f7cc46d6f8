// A long run of the real main window under Wine, to show that nothing leaks:
// typed keys with a matched name shown, repaints, dials and contact commands,
// after which the GDI objects and DCs the program holds, and its windows, are
// where they began. Usage: soak [SCALE] (1 = the full run).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/DialerApp.h"
#include "app/DialerDlg.h"
#include "bench/window/OnMainWindow.h"
#include "res/resource.h"
#include "tests/common/InstantClock.h"

namespace {

InstantClock instantClock;

struct Tally {
    GdiLedger gdi;
    int windows;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

Tally Take(DWORD thread) {
    Tally tally{GdiLedger::Current(), 0};
    ::EnumThreadWindows(thread, CountWindow, reinterpret_cast<LPARAM>(&tally.windows));
    return tally;
}

DWORD uiThread;
int scale = 1;
bool leaked = false;

void Report(const char* what, const Tally& before, const Tally& after) {
    const bool same = before.gdi.objects == after.gdi.objects &&
                      before.gdi.memoryDCs == after.gdi.memoryDCs &&
                      before.gdi.windowDCs == after.gdi.windowDCs && after.gdi.failedReleases == 0 &&
                      before.windows == after.windows;
    leaked = leaked || !same;
    std::printf(
        "%-44s objects %ld -> %ld, memory DCs %ld -> %ld, window DCs %ld -> %ld, refused releases %ld, "
        "windows %d -> %d: %s\n",
        what, before.gdi.objects, after.gdi.objects, before.gdi.memoryDCs, after.gdi.memoryDCs,
        before.gdi.windowDCs, after.gdi.windowDCs, after.gdi.failedReleases, before.windows, after.windows,
        same ? "no leak" : "LEAK");
}

void Command(HWND main, int id) {
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void SelectFirstRow(HWND main) {
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(::GetDlgItem(main, IDC_CONTACT_LIST), LVM_SETITEMSTATE, 0,
                   reinterpret_cast<LPARAM>(&state));
}

void Soak(HWND main) {
    // Each key loads its pressed and focused pictures when first drawn, and
    // keeps them: one round of the keys and of Dial's focus comes first.
    for (const char* c = "0123456789*#"; *c != '\0'; ++c) ::SendMessageA(main, WM_CHAR, *c, 1);
    ::SetFocus(::GetDlgItem(main, IDC_DIAL));
    ::UpdateWindow(main);
    Command(main, IDC_CLEAR);
    const Tally start = Take(uiThread);
    const char* matched = "15550000498";
    for (int key = 0; key < 10000 / scale; ++key) {
        if (key % 11 == 0) Command(main, IDC_CLEAR);
        ::SendMessageA(main, WM_CHAR, matched[key % 11], 1);
        ::UpdateWindow(main);
    }
    Report("10,000 typed keys, a matched name shown", start, Take(uiThread));

    Command(main, IDC_CLEAR);
    for (const char* c = matched; *c != '\0'; ++c) ::SendMessageA(main, WM_CHAR, *c, 1);
    Tally before = Take(uiThread);
    for (int paint = 0; paint < 1000 / scale; ++paint) {
        ::InvalidateRect(main, nullptr, TRUE);
        ::UpdateWindow(main);
    }
    Report("1,000 repaints, the name shown", before, Take(uiThread));

    before = Take(uiThread);
    for (int dial = 0; dial < 100 / scale; ++dial) Command(main, IDC_DIAL);
    Report("100 dials", before, Take(uiThread));

    before = Take(uiThread);
    for (int round = 0; round < 100 / scale; ++round) {
        Command(main, IDC_NEW);  // the driver thread fills the dialog in
        SelectFirstRow(main);
        Command(main, IDC_EDIT);
        SelectFirstRow(main);
        Command(main, IDC_DELETE);
    }
    Report("100 New, Edit and Delete rounds", before, Take(uiThread));
    Report("the whole run", start, Take(uiThread));
}

// Answers every contact dialog: a contact most called of all, so that it
// takes the first row.
void AnswerContactDialogs(HWND main) {
    while (::IsWindow(main)) {
        HWND dialog = ::FindWindowA(nullptr, "Update contact");
        if (dialog != nullptr && ::IsWindowVisible(dialog)) {
            ::SetDlgItemTextA(dialog, IDC_NAME, "Soak");
            ::SetDlgItemTextA(dialog, IDC_NUMBER, "123");
            ::SetDlgItemTextA(dialog, IDC_CALLS, "999999999");
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        ::Sleep(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) scale = std::max(1, std::atoi(argv[1]));
    ::SetEnvironmentVariableA("TOLLWICK_TAPI_LOG", "requests.txt");
    DialerPlatform platform = SystemPlatform();
    platform.playSound = [](int) {};  // Wine's sound threads are not the program's to count
    platform.clock = &instantClock;
    uiThread = ::GetCurrentThreadId();
    // 499 contacts: room for New.
    if (!RunOnMainWindow(499, platform, Soak, AnswerContactDialogs)) return 2;
    return leaked ? 1 : 0;
}
