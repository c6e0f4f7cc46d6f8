// What the program takes from its resources: the dialogs it creates, the
// pictures its bitmap buttons build from their captions, the display's
// pictures, the icons and the key tones.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dialpad/DisplayLayout.h"
#include "framework/Win32.h"
#include "res/resource.h"

namespace {

HMODULE Module() {
    return ::GetModuleHandleA(nullptr);
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::pair<int, int> SizeOf(HBITMAP picture) {
    BITMAP info{};
    ::GetObjectA(picture, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

COLORREF Pixel(HBITMAP picture, int x, int y) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, picture);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return colour;
}

TEST(Resources, DialogsCreateAndEveryPictureTheProgramLoadsIsThere) {
    for (int id : {IDD_ABOUT, IDD_UNKNOWN_NUMBER, IDD_CONTACT}) {
        HWND dialog = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(id), nullptr, QuietDialog, 0);
        EXPECT_NE(dialog, nullptr) << id;
        if (dialog != nullptr) ::DestroyWindow(dialog);
    }
    EXPECT_NE(::LoadImageA(Module(), MAKEINTRESOURCEA(IDB_ABOUT), IMAGE_BITMAP, 0, 0, 0), nullptr);
    ::InitCommonControls();
    HWND main = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_DIALER), nullptr, QuietDialog, 0);
    ASSERT_NE(main, nullptr);
    // The display asks for these sizes; a picture of another size would be stretched.
    HBITMAP back = static_cast<HBITMAP>(::LoadImageA(Module(), "IDB_BACK", IMAGE_BITMAP, 0, 0, 0));
    HBITMAP strip = static_cast<HBITMAP>(::LoadImageA(Module(), "IDB_BITMAP_NUMBERS", IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(back, nullptr);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(SizeOf(back), std::make_pair(kBackgroundWidth, kBackgroundHeight));
    EXPECT_EQ(SizeOf(strip), std::make_pair(kStripWidth, kStripHeight));
    // Each bitmap button loads its caption + U, D and F, all of one size, with
    // corners on the phone body that match the background where the
    // template puts the button.
    std::vector<RECT> placed;
    for (HWND button = ::GetWindow(main, GW_CHILD); button != nullptr;
         button = ::GetWindow(button, GW_HWNDNEXT)) {
        char caption[64] = "", kind[16] = "";
        ::GetClassNameA(button, kind, sizeof kind);
        if (lstrcmpiA(kind, "Button") != 0 ||
            (::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW)
            continue;
        ::GetWindowTextA(button, caption, sizeof caption);
        SCOPED_TRACE(caption);
        RECT r{};
        ::GetWindowRect(button, &r);
        ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        for (const RECT& other : placed) {
            RECT overlap{};
            EXPECT_FALSE(::IntersectRect(&overlap, &r, &other)) << "overlaps another button";
        }
        std::pair<int, int> size{};
        for (const char* state : {"U", "D", "F"}) {
            HBITMAP picture = ::LoadBitmapA(Module(), (std::string(caption) + state).c_str());
            ASSERT_NE(picture, nullptr) << state;
            if (size.first == 0) size = SizeOf(picture);
            EXPECT_EQ(SizeOf(picture), size) << state;
            for (const auto& [x, y] : {std::pair{0, 0},
                                       {size.first - 1, 0},
                                       {0, size.second - 1},
                                       {size.first - 1, size.second - 1}}) {
                const COLORREF under = Pixel(back, r.left + x, r.top + y);
                EXPECT_EQ(Pixel(picture, x, y), under) << state << " " << x << "," << y;
                // Phone green, not the grey desk beside it nor the pale screen.
                EXPECT_TRUE(GetGValue(under) > GetRValue(under) + 10 &&
                            GetGValue(under) > GetBValue(under) + 5 && GetGValue(under) < 150)
                    << std::hex << under;
            }
            ::DeleteObject(picture);
        }
        r.right = r.left + size.first;  // the size the button takes from its up picture
        r.bottom = r.top + size.second;
        placed.push_back(r);
    }
    EXPECT_EQ(placed.size(), 15u);
    ::DeleteObject(back);
    ::DeleteObject(strip);
    ::DestroyWindow(main);
}

TEST(Resources, EachIconGroupHoldsALargeAndASmallImage) {
    for (int id : {IDI_APPLICATION_PHONE, IDI_LIST_ITEM, IDI_END_CALL}) {
        HRSRC group =
            ::FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
        ASSERT_NE(group, nullptr) << id;
        auto* directory = static_cast<BYTE*>(::LockResource(::LoadResource(Module(), group)));
        for (int size : {32, 16}) {
            const int image = ::LookupIconIdFromDirectoryEx(directory, TRUE, size, size, 0);
            HRSRC found =
                ::FindResourceA(Module(), MAKEINTRESOURCEA(image), MAKEINTRESOURCEA(3) /* RT_ICON */);
            ASSERT_NE(found, nullptr) << id << " " << size;
            const auto* header =
                static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(Module(), found)));
            EXPECT_EQ(header->biWidth, size) << id;
        }
    }
}

// The samples of a mono 8-bit PCM RIFF WAVE at 22050 Hz, as PlaySound takes
// it from memory; empty when the resource is missing or in another format.
std::vector<double> Samples(int id) {
    HRSRC found = ::FindResourceA(Module(), MAKEINTRESOURCEA(id), "WAVE");
    if (found == nullptr) return {};
    const std::string w(static_cast<const char*>(::LockResource(::LoadResource(Module(), found))),
                        ::SizeofResource(Module(), found));
    const auto at = [&w](std::size_t i, int bytes) {
        unsigned value = 0;
        while (bytes-- > 0) value = value << 8 | static_cast<unsigned char>(w[i + bytes]);
        return value;
    };
    if (w.size() < 44 || w.compare(0, 4, "RIFF") != 0 || at(4, 4) + 8 != w.size() ||
        w.compare(8, 8, "WAVEfmt ") != 0 || at(16, 4) != 16 || at(20, 4) != (1u << 16 | 1) ||
        at(24, 4) != 22050 || at(28, 4) != 22050 || at(32, 4) != (8u << 16 | 1) ||
        w.compare(36, 4, "data") != 0 || 44 + at(40, 4) > w.size()) {
        return {};
    }
    std::vector<double> samples;
    for (std::size_t i = 44; i < 44 + at(40, 4); ++i)
        samples.push_back(static_cast<unsigned char>(w[i]) - 128.0);
    return samples;
}

// Energy of one frequency in the signal (Goertzel's recurrence).
double Power(const std::vector<double>& samples, double frequency) {
    const double c = 2 * std::cos(2 * 3.14159265358979 * frequency / 22050);
    double s1 = 0, s2 = 0;
    for (double sample : samples) {
        const double s0 = sample + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

TEST(Resources, TheClickPlaysAndEachKeySoundsItsDtmfPair) {
    EXPECT_FALSE(Samples(IDW_CLICK).empty());
    const struct {
        int id;
        double low, high;
    } tones[] = {{IDW_KEY_0, 941, 1336}, {IDW_KEY_1, 697, 1209},    {IDW_KEY_2, 697, 1336},
                 {IDW_KEY_3, 697, 1477}, {IDW_KEY_4, 770, 1209},    {IDW_KEY_5, 770, 1336},
                 {IDW_KEY_6, 770, 1477}, {IDW_KEY_7, 852, 1209},    {IDW_KEY_8, 852, 1336},
                 {IDW_KEY_9, 852, 1477}, {IDW_KEY_STAR, 941, 1209}, {IDW_KEY_HASH, 941, 1477}};
    for (const auto& tone : tones) {
        const std::vector<double> samples = Samples(tone.id);
        ASSERT_GT(samples.size(), 2000u) << tone.id;
        for (double other : {697, 770, 852, 941, 1209, 1336, 1477, 1633}) {
            if (other == tone.low || other == tone.high) continue;
            EXPECT_GT(Power(samples, tone.low), 20 * Power(samples, other)) << tone.id << ": " << other;
            EXPECT_GT(Power(samples, tone.high), 20 * Power(samples, other)) << tone.id << ": " << other;
        }
    }
}

}  // namespace
