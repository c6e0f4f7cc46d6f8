// The dial pad on the real main window: keys and keypad buttons with their
// tones and focus, the question at 28 characters, and what the display shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialerWindow.h"
#include "dialpad/DisplayLayout.h"
#include "res/resource.h"
#include "tests/common/FileBytes.h"

namespace {

// Sounds are started on the window's thread and read after it closed.
std::vector<int> playedSounds;
void RecordSound(int soundId) {
    playedSounds.push_back(soundId);
}

class DialPad : public DialerWindow {
protected:
    void SetUp() override {
        playedSounds.clear();
        DialerPlatform platform = TestPlatform();
        platform.playSound = RecordSound;
        theApp.SetPlatform(platform);
    }

    bool NumberIs(const std::string& number) {
        return WaitUntil([&] { return Dialog().Entry().Number() == number; });
    }
};

// A rectangle of pixels, copied out of a DC into memory first.
std::vector<COLORREF> Pixels(HDC source, int x, int y, int width, int height) {
    HDC memory = ::CreateCompatibleDC(source);
    HBITMAP bitmap = ::CreateCompatibleBitmap(source, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) pixels.push_back(::GetPixel(memory, column, row));
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return pixels;
}

// The same rectangle of the window and of one of the program's pictures.
class Screen {
public:
    explicit Screen(HWND window) : window_(window) {}
    std::vector<COLORREF> Window(int x, int y, int width, int height) const {
        HDC dc = ::GetDC(window_);
        auto pixels = Pixels(dc, x, y, width, height);
        ::ReleaseDC(window_, dc);
        return pixels;
    }
    static std::vector<COLORREF> Picture(const char* name, int x, int y, int width, int height) {
        HBITMAP picture = static_cast<HBITMAP>(
            ::LoadImageA(::GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ previous = ::SelectObject(dc, picture);
        auto pixels = Pixels(dc, x, y, width, height);
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
        ::DeleteObject(picture);
        return pixels;
    }
    // Every drawn cell shows the glyph of its character in the display line.
    bool ShowsNumber(const char* number) const {
        const DisplayLine line = BuildDisplayLine(number);
        for (int position = kFirstDrawnPosition; position < kDisplayPositions; ++position) {
            const Point cell = CellOrigin(position);
            if (Window(cell.x, cell.y, kGlyphWidth, kGlyphHeight) !=
                Picture("IDB_BITMAP_NUMBERS", GlyphSourceX(line.text[position]), kGlyphSourceY, kGlyphWidth,
                        kGlyphHeight))
                return false;
        }
        return true;
    }
    bool ShowsBackground(int x, int y, int width, int height) const {
        return Window(x, y, width, height) == Picture("IDB_BACK", x, y, width, height);
    }

private:
    HWND window_;
};

TEST_F(DialPad, KeysAndButtonsEnterTheNumberWithToneAndFocus) {
    WriteFileBytes("contacts.txt", kContacts);
    const DWORD ui = ::GetCurrentThreadId();
    Run([&](HWND main) {
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        for (char c : std::string("1-8f")) PostChar(list, c);
        ASSERT_TRUE(NumberIs("1-83"));
        EXPECT_EQ(FocusOf(ui), ::GetDlgItem(main, IDC_DIGIT_3));
        PostKey(::GetDlgItem(main, IDC_DIGIT_3), VK_SPACE);  // does not press the focused key
        ClickButton(main, IDC_STAR);
        ASSERT_TRUE(NumberIs("1-83*"));
        EXPECT_EQ(FocusOf(ui), ::GetDlgItem(main, IDC_STAR));
        // A double-click enters the key twice: once for each click notification.
        HWND five = ::GetDlgItem(main, IDC_DIGIT_5);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            ::PostMessageA(five, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
        ASSERT_TRUE(NumberIs("1-83*55"));
        ClickButton(main, IDC_CLEAR);
        ASSERT_TRUE(NumberIs(""));
        // The 29th character asks; No keeps the 28 and still sounds the key.
        for (int i = 0; i < kDialNumberMaxTyped; ++i) PostChar(list, '0');
        ASSERT_TRUE(NumberIs(std::string(kDialNumberMaxTyped, '0')));
        for (int answer : {IDNO, IDYES}) {
            PostChar(list, '1');
            HWND box = WaitForWindow(ui, "HEY!");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(MessageBoxText(box), "Who do you call? Folks on Jupiter? ;-)\nLet me clear this mess?");
            ClickButton(box, answer);
            ASSERT_TRUE(WaitUntil([&] { return NoWindow(ui, "HEY!"); }));
            EXPECT_EQ(Dialog().Entry().Number(), answer == IDNO ? std::string(kDialNumberMaxTyped, '0') : "");
        }
        ClickButton(main, IDOK);
    });
    std::vector<int> expected = {IDW_KEY_1, IDW_KEY_8, IDW_KEY_3, IDW_KEY_STAR,
                                 IDW_KEY_5, IDW_KEY_5, IDW_CLICK};
    expected.insert(expected.end(), kDialNumberMaxTyped, IDW_KEY_0);
    expected.push_back(IDW_KEY_1);
    EXPECT_EQ(playedSounds, expected);
}

TEST_F(DialPad, TheDisplayShowsTheNumberInGlyphsAndTheMatchedName) {
    const std::string longName(50, 'W');
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\nAnn, 555 1234, 2\n" + longName + ", 777, 1\n");
    Run([&](HWND main) {
        const Screen screen(main);
        HWND list = ::GetDlgItem(main, IDC_CONTACT_LIST);
        EXPECT_TRUE(WaitUntil([&] { return screen.ShowsNumber(""); }));
        // 15 characters put one on the upper row; the letters become digits.
        for (char c : std::string("#(555)-12 34*0-ann")) PostChar(list, c);
        ASSERT_TRUE(NumberIs("#(555)-1234*0-266"));
        EXPECT_TRUE(WaitUntil([&] { return screen.ShowsNumber("#(555)-1234*0-266"); }));
        EXPECT_TRUE(screen.ShowsBackground(kNameArea.x, kNameArea.y, kNameArea.width, kNameArea.height));

        ClickButton(main, IDC_CLEAR);
        for (char c : std::string("5551234")) PostChar(list, c);
        ASSERT_TRUE(NumberIs("5551234"));
        EXPECT_TRUE(WaitUntil([&] {
            return !screen.ShowsBackground(kNameArea.x, kNameArea.y, kNameArea.width, kNameArea.height);
        })) << "Ann's name is drawn";
        ClickButton(main, IDC_CLEAR);
        EXPECT_TRUE(WaitUntil([&] {
            return screen.ShowsBackground(kNameArea.x, kNameArea.y, kNameArea.width, kNameArea.height);
        })) << "the name is gone";

        // A long name stays inside the name area, after a repaint too.
        for (char c : std::string("777")) PostChar(list, c);
        ASSERT_TRUE(NumberIs("777"));
        ::InvalidateRect(main, nullptr, TRUE);
        const int right = kNameArea.x + kNameArea.width;
        EXPECT_TRUE(WaitUntil([&] { return screen.ShowsNumber("777"); }));
        EXPECT_TRUE(screen.ShowsBackground(right, kNameArea.y, 170 - right, kNameArea.height));
        ClickButton(main, IDOK);
    });
}

// Records which pictures the display asks for and answers as told.
struct LoadCall {
    bool fromFile;
    std::string name;
};
std::vector<LoadCall> loadCalls;
bool stripInProgram = true;

HANDLE WINAPI RecordingLoader(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
    const bool fromFile = (flags & LR_LOADFROMFILE) != 0;
    loadCalls.push_back({fromFile, name});
    if (!fromFile && std::string(name) == "IDB_BITMAP_NUMBERS" && !stripInProgram) return nullptr;
    // The file stands in for the program's own picture.
    return ::LoadImageA(fromFile ? ::GetModuleHandleA(nullptr) : instance, name, type, width, height,
                        flags & ~LR_LOADFROMFILE);
}

TEST(NumberDisplayImages, TheStripComesFromAFileOnlyWhenTheProgramLacksIt) {
    for (bool inProgram : {true, false}) {
        loadCalls.clear();
        stripInProgram = inProgram;
        NumberDisplay display(RecordingLoader);
        display.LoadImages();
        EXPECT_TRUE(display.HasStrip());
        std::string calls;
        for (const LoadCall& call : loadCalls)
            calls += (call.fromFile ? "file:" : "program:") + call.name + " ";
        EXPECT_EQ(calls, inProgram ? "program:IDB_BITMAP_NUMBERS program:IDB_BACK "
                                   : "program:IDB_BITMAP_NUMBERS file:IDB_BITMAP_NUMBERS program:IDB_BACK ");
    }
}

}  // namespace
