// The pictures, icons, sounds and dialog templates the program carries.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "res/resource.h"

namespace {

HMODULE Module() {
    return ::GetModuleHandleA(nullptr);
}

struct PictureSize {
    std::string name;
    int width;
    int height;
};

std::vector<PictureSize> NamedPictures() {
    std::vector<PictureSize> pictures = {{"IDB_BACK", 400, 370}, {"IDB_BITMAP_NUMBERS", 157, 26}};
    const struct {
        const char* base;
        int width;
        int height;
    } buttons[] = {{"IDB_DIAL_", 93, 36},
                   {"IDB_CLR_", 26, 38},
                   {"IDB_DZ_", 38, 38},
                   {"IDB_DH_", 38, 38},
                   {"IDB_SIG_", 80, 30}};
    for (const auto& b : buttons) {
        for (const char* state : {"U", "D", "F"})
            pictures.push_back({std::string(b.base) + state, b.width, b.height});
    }
    for (int digit = 0; digit < 10; ++digit) {
        for (const char* state : {"U", "D", "F"}) {
            pictures.push_back({"IDB_D" + std::to_string(digit) + "_" + state, 38, 38});
        }
    }
    return pictures;
}

void ExpectPalettePicture(HBITMAP bitmap, int width, int height, const std::string& what) {
    ASSERT_NE(bitmap, nullptr) << what;
    DIBSECTION section{};
    ASSERT_EQ(::GetObjectA(bitmap, sizeof section, &section), static_cast<int>(sizeof section)) << what;
    EXPECT_EQ(section.dsBm.bmWidth, width) << what;
    EXPECT_EQ(section.dsBm.bmHeight, height) << what;
    EXPECT_EQ(section.dsBmih.biBitCount, 8) << what;
    EXPECT_EQ(section.dsBmih.biCompression, static_cast<DWORD>(BI_RGB)) << what;
    ::DeleteObject(bitmap);
}

TEST(Pictures, EveryBitmapLoadsAtItsSizeAsAn8BitPalettePicture) {
    const std::vector<PictureSize> pictures = NamedPictures();
    EXPECT_EQ(pictures.size(), 47u);
    for (const PictureSize& p : pictures) {
        ExpectPalettePicture(static_cast<HBITMAP>(::LoadImageA(Module(), p.name.c_str(), IMAGE_BITMAP, 0, 0,
                                                               LR_CREATEDIBSECTION)),
                             p.width, p.height, p.name);
    }
    ExpectPalettePicture(static_cast<HBITMAP>(::LoadImageA(Module(), MAKEINTRESOURCEA(IDB_ABOUT),
                                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)),
                         288, 96, "188");
    EXPECT_EQ(::LoadImageA(Module(), "IDB_D1_X", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION), nullptr);
}

// Draws an icon over a uniform colour and counts the pixels it changed.
int PixelsChangedByIcon(HICON icon, int size, COLORREF ground) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP canvas = ::CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ previous = ::SelectObject(dc, canvas);
    HBRUSH brush = ::CreateSolidBrush(ground);
    RECT all{0, 0, size, size};
    ::FillRect(dc, &all, brush);
    ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    int changed = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) changed += ::GetPixel(dc, x, y) != ground;
    }
    ::SelectObject(dc, previous);
    ::DeleteObject(brush);
    ::DeleteObject(canvas);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return changed;
}

TEST(Icons, EachGroupHasBothSizesAndTheListIconIsEmptyAtFullSize) {
    for (int id : {IDI_APPLICATION_PHONE, IDI_LIST_ITEM, IDI_END_CALL}) {
        SCOPED_TRACE("icon " + std::to_string(id));
        HICON big = ::LoadIconA(Module(), MAKEINTRESOURCEA(id));
        ASSERT_NE(big, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(big, &info));
        BITMAP colour{};
        ::GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, 32);
        EXPECT_EQ(colour.bmHeight, 32);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        HICON small = static_cast<HICON>(::LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        ASSERT_NE(small, nullptr);
        EXPECT_GT(PixelsChangedByIcon(small, 16, RGB(255, 0, 255)), 20);
        if (id == IDI_LIST_ITEM) {
            EXPECT_EQ(PixelsChangedByIcon(big, 32, RGB(255, 0, 255)), 0);
            EXPECT_EQ(PixelsChangedByIcon(big, 32, RGB(0, 0, 0)), 0);
        } else {
            EXPECT_GT(PixelsChangedByIcon(big, 32, RGB(255, 0, 255)), 100);
        }
        ::DestroyIcon(small);
    }
}

struct Tone {
    int id;
    int samples;
    double low;
    double high;
};

const Tone kTones[] = {{192, 2258, 941, 1336}, {193, 2295, 697, 1209}, {194, 2443, 697, 1336},
                       {195, 2405, 697, 1477}, {196, 2406, 770, 1209}, {197, 2295, 770, 1336},
                       {198, 2332, 770, 1477}, {199, 2443, 852, 1209}, {200, 2405, 852, 1336},
                       {201, 2406, 852, 1477}, {202, 2369, 941, 1209}, {203, 2295, 941, 1477}};

std::string WaveResource(int id) {
    HRSRC found = ::FindResourceA(Module(), MAKEINTRESOURCEA(id), "WAVE");
    if (found == nullptr) return "";
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(Module(), found)));
    return std::string(bytes, ::SizeofResource(Module(), found));
}

unsigned Read16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
unsigned Read32(const std::string& b, std::size_t at) {
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

// The samples of a mono 8-bit PCM RIFF WAVE at 22050 Hz; empty when the
// format is anything else.
std::vector<int> PcmSamples(const std::string& wave) {
    if (wave.size() < 44 || wave.compare(0, 4, "RIFF") != 0 || wave.compare(8, 4, "WAVE") != 0) return {};
    if (wave.compare(12, 4, "fmt ") != 0 || Read32(wave, 16) != 16) return {};
    if (Read16(wave, 20) != 1 || Read16(wave, 22) != 1 || Read32(wave, 24) != 22050 ||
        Read32(wave, 28) != 22050 || Read16(wave, 32) != 1 || Read16(wave, 34) != 8) {
        return {};
    }
    if (wave.compare(36, 4, "data") != 0 || Read32(wave, 4) + 8 != wave.size()) return {};
    const unsigned count = Read32(wave, 40);
    if (44 + count > wave.size()) return {};
    std::vector<int> samples;
    for (unsigned i = 0; i < count; ++i) samples.push_back(static_cast<unsigned char>(wave[44 + i]));
    return samples;
}

double Power(const std::vector<int>& samples, double frequency) {
    const double w = 2 * 3.14159265358979 * frequency / 22050;
    double s1 = 0, s2 = 0;
    for (int sample : samples) {
        const double s0 = (sample - 128) + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
}

TEST(Sounds, KeyTonesAreTheirDtmfPairsInTheExpectedFormat) {
    const double kDtmf[] = {697, 770, 852, 941, 1209, 1336, 1477, 1633};
    for (const Tone& tone : kTones) {
        SCOPED_TRACE("sound " + std::to_string(tone.id));
        const std::vector<int> samples = PcmSamples(WaveResource(tone.id));
        ASSERT_EQ(samples.size(), static_cast<std::size_t>(tone.samples));
        for (int s : samples) ASSERT_TRUE(s >= 64 && s <= 192) << s;
        const double low = Power(samples, tone.low);
        const double high = Power(samples, tone.high);
        for (double other : kDtmf) {
            if (other == tone.low || other == tone.high) continue;
            EXPECT_GT(low, 10 * Power(samples, other)) << other;
            EXPECT_GT(high, 10 * Power(samples, other)) << other;
        }
    }
    const std::vector<int> click = PcmSamples(WaveResource(IDW_CLICK));
    EXPECT_EQ(click.size(), 356u);
    EXPECT_TRUE(WaveResource(191).empty());
}

// Builds a template control from readable parts.
TemplateControl Control(DWORD id, const char* cls, const char* caption, int x, int y, int cx, int cy,
                        DWORD style) {
    return {id, cls, caption, x, y, cx, cy, style, 0};
}

void ExpectTemplate(int id, const char* caption, std::vector<int> rect, DWORD style,
                    const std::vector<TemplateControl>& controls) {
    SCOPED_TRACE("template " + std::to_string(id));
    DialogTemplate t;
    ASSERT_TRUE(LoadDialogTemplate(Module(), id, &t));
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.caption, caption);
    EXPECT_EQ((std::vector<int>{t.x, t.y, t.cx, t.cy}), rect);
    EXPECT_EQ(t.style, style);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.menu, "");
    EXPECT_EQ(t.windowClass, "");
    ASSERT_EQ(t.controls.size(), controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const TemplateControl& got = t.controls[i];
        const TemplateControl& want = controls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.className, want.className);
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ((std::vector<int>{got.x, got.y, got.cx, got.cy}),
                  (std::vector<int>{want.x, want.y, want.cx, want.cy}));
        EXPECT_EQ(got.style, want.style) << std::hex << got.style << " vs " << want.style;
        EXPECT_EQ(got.exStyle, 0u);
    }
}

constexpr DWORD kVisible = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kVisible | WS_GROUP | SS_LEFT;
constexpr DWORD kEdit = kVisible | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kButton = kVisible | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefault = kVisible | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kGroup = kVisible | BS_GROUPBOX;
constexpr DWORD kStatic = 0xFFFF;
constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

TEST(Templates, AboutUnknownNumberAndContactDialogsAreLaidOutAsDesigned) {
    ExpectTemplate(IDD_ABOUT, "Tollwick v1.3 (29. Nov.1998.)", {0, 0, 192, 58}, kPopup | WS_VISIBLE,
                   {Control(kStatic, "Static", "#188", 0, 0, 192, 59, kVisible | SS_BITMAP)});
    ExpectTemplate(IDD_UNKNOWN_NUMBER, "Hey...", {0, 0, 155, 95}, kPopup,
                   {Control(kStatic, "Static", "Unknown number! Do you want...", 5, 1, 107, 8, kLabel),
                    Control(kStatic, "Button", "Save it as new contact", 4, 12, 148, 61, kGroup),
                    Control(kStatic, "Static", "Name:", 15, 25, 22, 8, kLabel),
                    Control(IDC_NAME, "Edit", "", 45, 22, 100, 14, kEdit),
                    Control(kStatic, "Static", "Number:", 9, 39, 28, 8, kLabel),
                    Control(IDC_NUMBER, "Edit", "", 45, 37, 99, 14, kEdit),
                    Control(IDOK, "Button", "&Save it!", 8, 53, 137, 14, kButton),
                    Control(IDC_JUST_DIAL, "Button", "Just &Dial", 4, 76, 96, 14, kDefault),
                    Control(IDCANCEL, "Button", "Cancel", 105, 76, 46, 14, kButton)});
    ExpectTemplate(IDD_CONTACT, "Update contact", {0, 0, 215, 66}, kPopup,
                   {Control(kStatic, "Button", "Contact", 3, 4, 167, 57, kGroup),
                    Control(kStatic, "Static", "Name:", 37, 16, 22, 8, kLabel),
                    Control(IDC_NAME, "Edit", "", 64, 13, 100, 14, kEdit),
                    Control(kStatic, "Static", "Number:", 31, 30, 28, 8, kLabel),
                    Control(IDC_NUMBER, "Edit", "", 64, 27, 99, 14, kEdit),
                    Control(kStatic, "Static", "Number of calls:", 9, 44, 52, 8, kLabel),
                    Control(IDC_CALLS, "Edit", "", 64, 42, 40, 14, kEdit),
                    Control(IDOK, "Button", "OK", 176, 30, 36, 14, kDefault),
                    Control(IDCANCEL, "Button", "Cancel", 176, 48, 36, 14, kButton)});
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(Templates, EachDialogCreatesWithItsControls) {
    const struct {
        int id;
        std::vector<std::pair<int, const char*>> controls;
    } dialogs[] = {
        {IDD_ABOUT, {}},
        {IDD_UNKNOWN_NUMBER,
         {{IDC_NAME, ""},
          {IDC_NUMBER, ""},
          {IDOK, "&Save it!"},
          {IDC_JUST_DIAL, "Just &Dial"},
          {IDCANCEL, "Cancel"}}},
        {IDD_CONTACT,
         {{IDC_NAME, ""}, {IDC_NUMBER, ""}, {IDC_CALLS, ""}, {IDOK, "OK"}, {IDCANCEL, "Cancel"}}},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE("template " + std::to_string(d.id));
        HWND dialog = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(d.id), nullptr, QuietDialog, 0);
        ASSERT_NE(dialog, nullptr);
        for (const auto& [id, caption] : d.controls) {
            HWND control = ::GetDlgItem(dialog, id);
            ASSERT_NE(control, nullptr) << id;
            char text[64] = "";
            ::GetWindowTextA(control, text, sizeof text);
            EXPECT_STREQ(text, caption) << id;
        }
        if (d.id == IDD_ABOUT) {
            // The picture control takes the size of bitmap 188.
            HWND picture = ::GetWindow(dialog, GW_CHILD);
            ASSERT_NE(picture, nullptr);
            RECT r;
            ::GetWindowRect(picture, &r);
            EXPECT_EQ(r.right - r.left, 288);
            EXPECT_EQ(r.bottom - r.top, 96);
        }
        ::DestroyWindow(dialog);
    }
}

}  // namespace
