// Costs of the main window's own work under Wine, each beside a floor: the
// same system calls made raw on the same window. Usage: window_bench [ROUNDS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "app/DialerApp.h"
#include "app/DialerDlg.h"
#include "app/FileHost.h"
#include "bench/window/OnMainWindow.h"
#include "dialpad/DisplayLayout.h"
#include "res/resource.h"
#include "ui/ContactList.h"

namespace {

double NowMs() {
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median of `rounds` timings of `times` calls, in microseconds per call.
double MicrosPerCall(int rounds, int times, const std::function<void()>& work) {
    std::vector<double> samples;
    for (int r = 0; r < rounds; ++r) {
        const double start = NowMs();
        for (int i = 0; i < times; ++i) work();
        samples.push_back(1000.0 * (NowMs() - start) / times);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// The redraw's system calls, raw: glyph copies, the name-area restore, a
// font made, used and deleted.
void RawRedraw(HWND window, HDC strip, HDC background) {
    HDC dc = ::GetDC(window);
    for (int position = 28; position >= 1; --position) {
        const Point cell = CellOrigin(position);
        ::BitBlt(dc, cell.x, cell.y, 7, 24, strip, 1 + 8 * (position % 10), 1, SRCCOPY);
    }
    ::BitBlt(dc, 25, 59, 130, 18, background, 25, 59, SRCCOPY);
    HFONT font = ::CreateFontA(16, 0, 0, 0, 300, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_RASTER_PRECIS,
                               CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               "Times New Roman CE");
    HGDIOBJ previous = ::SelectObject(dc, font);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutA(dc, 25, 59, "Contact 499", 11);
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
    ::ReleaseDC(window, dc);
}

struct Results {
    double redraw, rawRedraw, key, rawKey;
    double spelledKey, spelledKeyFound, narrowingKey, narrowingKeyFound;
    double refill, rawRefill;
    double dialWallMs, dialCpuMs;
    double historyMs, fileLook;
};

// The moment the call history first showed, painted, from the driver thread.
double historyShownMs;

// 1,000 calls in calls.txt, as a long-used Tollwick leaves it.
void WriteCalls() {
    std::FILE* file = std::fopen("calls.txt", "wb");
    for (int i = 0; i < 1000; ++i)
        std::fprintf(file, "2026-%02d-%02d 14:%02d\t+1 (555) %07d\tContact %03d\t\r\n", 1 + i % 12,
                     1 + i % 28, i % 60, i % 500, i % 500);
    std::fclose(file);
}

// Beside the window: waits for the call history, paints it, notes the time
// and closes it.
void CloseHistoryWhenShown(HWND) {
    HWND history = nullptr;
    for (int i = 0; i < 60000 && history == nullptr; ++i, ::Sleep(1))
        history = ::FindWindowA(nullptr, "Call history");
    if (history == nullptr) return;
    ::UpdateWindow(history);
    ::UpdateWindow(::GetDlgItem(history, IDC_HISTORY_LIST));
    historyShownMs = NowMs();
    ::PostMessageA(history, WM_COMMAND, IDCANCEL, 0);
}

// The floor: the rows sent raw into a list that keeps its own texts, as the
// list once did: delete all, then per contact one insertion and two subitem
// texts, drawn once at the end.
void RawRefill(HWND list, const ContactTable& table) {
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    char calls[16];
    for (int p = 0; p < table.count; ++p) {
        const Contact& contact = table.slots[p];
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = p;
        item.pszText = const_cast<char*>(contact.name);
        item.lParam = p;
        const int row =
            static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        LVITEMA text{};
        text.mask = LVIF_TEXT;
        text.iItem = row;
        text.iSubItem = 1;
        text.pszText = const_cast<char*>(contact.number);
        ::SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&text));
        std::snprintf(calls, sizeof calls, "%d", contact.calls);
        text.iSubItem = 2;
        text.pszText = calls;
        ::SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&text));
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
    ::UpdateWindow(list);
}

// Process CPU time so far, in milliseconds.
double CpuMs() {
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

void Measure(HWND main, int rounds, Results* results) {
    CDialerDlg& dialog = *static_cast<CDialerDlg*>(theApp.m_pMainWnd);
    // The call history is read when first needed: before any dial.
    WriteCalls();
    const double historyStart = NowMs();
    ::SendMessageA(main, WM_COMMAND, ID_CALL_HISTORY, 0);  // until it is closed
    results->historyMs = historyShownMs - historyStart;
    // The look at the contacts file every 5 s, when nobody changed it.
    FileIdentity contactsFile("contacts.txt");
    contactsFile.Remember();
    results->fileLook = MicrosPerCall(rounds, 200, [&] {
        if (contactsFile.Changed()) std::abort();
    });

    const char* number = "+1 (555) 0000499";
    results->redraw =
        MicrosPerCall(rounds, 200, [&] { dialog.Display().Redraw(main, number, dialog.Contacts()); });

    HDC strip = ::CreateCompatibleDC(nullptr);
    HDC background = ::CreateCompatibleDC(nullptr);
    HBITMAP stripPicture = static_cast<HBITMAP>(::LoadImageA(
        ::GetModuleHandleA(nullptr), "IDB_BITMAP_NUMBERS", IMAGE_BITMAP, 157, 26, LR_CREATEDIBSECTION));
    HBITMAP backPicture = static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), "IDB_BACK", IMAGE_BITMAP, 400, 370, LR_CREATEDIBSECTION));
    ::SelectObject(strip, stripPicture);
    ::SelectObject(background, backPicture);
    results->rawRedraw = MicrosPerCall(rounds, 200, [&] { RawRedraw(main, strip, background); });

    // A typed key, the focus moving between two keys each time, beside its
    // floor: the sound, the focus move with its repaints and the redraw. The
    // number is emptied (untimed) before it reaches its limit.
    int typed = 0;
    const auto typeKey = [&] {
        ::SendMessageA(main, WM_CHAR, typed % 2 ? '5' : '6', 1);
        ::UpdateWindow(main);
        if (++typed % 20 == 0) ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CLEAR, BN_CLICKED), 0);
    };
    const auto rawKey = [&] {
        const bool five = ++typed % 2 != 0;
        theApp.Platform().playSound(five ? IDW_KEY_5 : IDW_KEY_6);
        ::SetFocus(::GetDlgItem(main, five ? IDC_DIGIT_5 : IDC_DIGIT_6));
        RawRedraw(main, strip, background);
        ::UpdateWindow(main);
    };
    std::vector<double> keys, rawKeys;
    for (int r = 0; r < rounds; ++r) {  // interleaved, so drift hits both alike
        keys.push_back(MicrosPerCall(1, 20, typeKey));
        rawKeys.push_back(MicrosPerCall(1, 20, rawKey));
    }
    std::sort(keys.begin(), keys.end());
    std::sort(rawKeys.begin(), rawKeys.end());
    results->key = keys[keys.size() / 2];
    results->rawKey = rawKeys[rawKeys.size() / 2];

    // The same keys with find-as-you-type off and on: the digits of CONTACT,
    // which every stored name begins with, so that each key refills and
    // repaints the whole list.
    HWND shownList = ::GetDlgItem(main, IDC_CONTACT_LIST);
    const auto spellKey = [&] {
        ::SendMessageA(main, WM_CHAR, "2668228"[typed % 7], 1);
        ::UpdateWindow(main);
        ::UpdateWindow(shownList);
        if (++typed % 7 == 0) ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CLEAR, BN_CLICKED), 0);
    };
    const auto toggleSearch = [&] {
        ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(ID_FIND_AS_YOU_TYPE, 0), 0);
    };
    // Medians of the key with the option off and on, in turns.
    const auto offAndOn = [&](const std::function<void()>& key, int times, double* off, double* on) {
        std::vector<double> offs, ons;
        for (int r = 0; r < rounds; ++r) {
            typed = 0;
            offs.push_back(MicrosPerCall(1, times, key));
            toggleSearch();
            ons.push_back(MicrosPerCall(1, times, key));
            toggleSearch();
        }
        std::sort(offs.begin(), offs.end());
        std::sort(ons.begin(), ons.end());
        *off = offs[offs.size() / 2];
        *on = ons[ons.size() / 2];
    };
    offAndOn(spellKey, 21, &results->spelledKey, &results->spelledKeyFound);
    // Keys that change the rows shown each time: 4 (the contacts whose
    // numbers hold a 4) and Backspace (all of them again).
    const auto narrowKey = [&] {
        ::SendMessageA(main, WM_CHAR, ++typed % 2 ? '4' : '\b', 1);
        ::UpdateWindow(main);
        ::UpdateWindow(shownList);
    };
    offAndOn(narrowKey, 20, &results->narrowingKey, &results->narrowingKeyFound);

    ::DeleteDC(strip);
    ::DeleteDC(background);
    ::DeleteObject(stripPicture);
    ::DeleteObject(backPicture);

    // The list: the program's refill and the raw floor, each repainted, on
    // two list views of the list's size beside it on the window. Ours asks
    // the window for its rows' texts as the shown list does; the floor keeps
    // texts of its own.
    HWND shown = ::GetDlgItem(main, IDC_CONTACT_LIST);
    RECT r;
    ::GetWindowRect(shown, &r);
    ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(shown, GWL_STYLE));
    const auto makeList = [&](DWORD listStyle) {
        return ::CreateWindowExA(0, WC_LISTVIEWA, "", listStyle, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, main, reinterpret_cast<HMENU>(IDC_CONTACT_LIST), nullptr,
                                 nullptr);
    };
    HWND ours = makeList(style), floor = makeList(style & ~LVS_OWNERDATA);
    CImageList images;
    images.Create(16, 16, ILC_MASK, 1, 0);
    CListCtrl list;
    list.Attach(ours);
    InitList(list, images);
    CListCtrl floorList;
    floorList.Attach(floor);
    InitList(floorList, images);
    ContactTable& table = *new ContactTable(dialog.Contacts());
    ListRows& rows = *new ListRows;
    const ContactSearch everyone;  // find-as-you-type off
    std::vector<double> refills, rawRefills;
    for (int round = 0; round < rounds; ++round) {
        refills.push_back(MicrosPerCall(1, 3, [&] {
            RefillList(list, table, everyone, &rows);
            ::UpdateWindow(ours);
        }));
        rawRefills.push_back(MicrosPerCall(1, 3, [&] { RawRefill(floor, table); }));
    }
    std::sort(refills.begin(), refills.end());
    std::sort(rawRefills.begin(), rawRefills.end());
    results->refill = refills[refills.size() / 2];
    results->rawRefill = rawRefills[rawRefills.size() / 2];
    delete &table;
    delete &rows;
    list.Detach();
    floorList.Detach();
    ::DestroyWindow(ours);
    ::DestroyWindow(floor);

    // A dial of a stored contact: the request, then the blocking 2-second
    // wait before the Phone Dialer is looked for.
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CLEAR, BN_CLICKED), 0);
    for (const char* c = "15550000499"; *c != '\0'; ++c) ::SendMessageA(main, WM_CHAR, *c, 1);
    const double cpu = CpuMs(), wall = NowMs();
    ::SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_DIAL, BN_CLICKED), 0);
    results->dialWallMs = NowMs() - wall;
    results->dialCpuMs = CpuMs() - cpu;
}

int rounds = 15;
Results results;

void MeasureAll(HWND main) {
    Measure(main, rounds, &results);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) rounds = std::atoi(argv[1]);
    DialerPlatform platform = SystemPlatform();
    if (std::getenv("BENCH_SILENT") != nullptr) platform.playSound = [](int) {};
    // 500 contacts; the one the display will name is stored last.
    if (!RunOnMainWindow(500, platform, MeasureAll, CloseHistoryWhenShown)) {
        std::fprintf(stderr, "the main window did not appear\n");
        return 1;
    }
    std::printf("main window under Wine, medians of %d rounds, microseconds per call:\n", rounds);
    std::printf("  RedrawDisplay, name matched among 500   %8.1f\n", results.redraw);
    std::printf("  the same calls made raw (floor)          %8.1f   ratio %.2f (target <= 1.50)\n",
                results.rawRedraw, results.redraw / results.rawRedraw);
    std::printf("  a typed key: entry, sound, focus, redraw %8.1f   (target <= 1000)\n", results.key);
    std::printf("  the same calls made raw (floor)          %8.1f   ratio %.2f\n", results.rawKey,
                results.key / results.rawKey);
    std::printf("  a typed key, find-as-you-type off        %8.1f\n", results.spelledKey);
    std::printf("  the same key, find-as-you-type on        %8.1f   ratio %.2f (target <= 1.50)\n",
                results.spelledKeyFound, results.spelledKeyFound / results.spelledKey);
    std::printf("  a key that changes the rows, option off  %8.1f\n", results.narrowingKey);
    std::printf("  the same key, find-as-you-type on        %8.1f   ratio %.2f\n", results.narrowingKeyFound,
                results.narrowingKeyFound / results.narrowingKey);
    std::printf("  RefillList and repaint, 500 contacts     %8.1f\n", results.refill);
    std::printf("  the rows sent raw and painted (floor)    %8.1f   ratio %.2f (target <= 1.50)\n",
                results.rawRefill, results.refill / results.rawRefill);
    std::printf("  the look at an unchanged contacts file   %8.1f   (target <= 20)\n", results.fileLook);
    std::printf("call history of 1,000 calls read and shown: %.1f ms (target <= 50)\n", results.historyMs);
    std::printf(
        "a dial with its 2-second wait: %.0f ms, CPU %.1f ms = %.1f %% of one core (target <= 5 %%)\n",
        results.dialWallMs, results.dialCpuMs, 100.0 * results.dialCpuMs / results.dialWallMs);
    return 0;
}
