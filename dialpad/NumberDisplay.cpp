#include "dialpad/NumberDisplay.h"

#include <cstring>

#include "dialpad/DisplayLayout.h"

namespace {

constexpr char kStripName[] = "IDB_BITMAP_NUMBERS";
constexpr char kBackgroundName[] = "IDB_BACK";

}  // namespace

void NumberDisplay::LoadImages() {
    HINSTANCE program = ::GetModuleHandleA(nullptr);
    strip_.Reset(static_cast<HBITMAP>(
        load_(program, kStripName, IMAGE_BITMAP, kStripWidth, kStripHeight, LR_CREATEDIBSECTION)));
    if (!strip_) {
        strip_.Reset(static_cast<HBITMAP>(load_(nullptr, kStripName, IMAGE_BITMAP, kStripWidth, kStripHeight,
                                                LR_CREATEDIBSECTION | LR_LOADFROMFILE)));
    }
    stripDC_.CreateCompatibleDC(nullptr);
    if (strip_) ::SelectObject(stripDC_.GetSafeHdc(), strip_.Get());

    background_.Reset(static_cast<HBITMAP>(load_(program, kBackgroundName, IMAGE_BITMAP, kBackgroundWidth,
                                                 kBackgroundHeight, LR_CREATEDIBSECTION)));
    backgroundDC_.CreateCompatibleDC(nullptr);
    if (background_) ::SelectObject(backgroundDC_.GetSafeHdc(), background_.Get());
}

void NumberDisplay::DeleteDCs() {
    stripDC_.DeleteDC();
    backgroundDC_.DeleteDC();
}

void NumberDisplay::Redraw(HWND window, const char* dialNumber, const ContactTable& table) const {
    CClientDC dc(window);
    DrawGlyphs(dc.GetSafeHdc(), dialNumber);
    // The name area reaches the upper row's top pixel line, which the glyph
    // cells leave in the screen's plain colour.
    Restore(dc.GetSafeHdc(), kNameArea.x, kNameArea.y, kNameArea.width, kNameArea.height);
    DrawName(dc.GetSafeHdc(), dialNumber, table);
}

void NumberDisplay::Paint(HWND window, const char* dialNumber, const ContactTable& table) const {
    CClientDC dc(window);
    Restore(dc.GetSafeHdc(), kDisplayArea.x, kDisplayArea.y, kDisplayArea.width, kDisplayArea.height);
    DrawGlyphs(dc.GetSafeHdc(), dialNumber);
    DrawName(dc.GetSafeHdc(), dialNumber, table);
}

void NumberDisplay::PaintBackground(HDC target) const {
    Restore(target, 0, 0, kBackgroundWidth, kBackgroundHeight);
}

void NumberDisplay::Restore(HDC target, int x, int y, int width, int height) const {
    ::BitBlt(target, x, y, width, height, backgroundDC_.GetSafeHdc(), x, y, SRCCOPY);
}

// Lower row first, each row right to left.
void NumberDisplay::DrawGlyphs(HDC target, const char* dialNumber) const {
    const DisplayLine line = BuildDisplayLine(dialNumber);
    HDC strip = stripDC_.GetSafeHdc();
    for (int position = kDisplayPositions - 1; position >= kFirstDrawnPosition; --position) {
        const Point cell = CellOrigin(position);
        ::BitBlt(target, cell.x, cell.y, kGlyphWidth, kGlyphHeight, strip, GlyphSourceX(line.text[position]),
                 kGlyphSourceY, SRCCOPY);
    }
}

void NumberDisplay::DrawName(HDC target, const char* dialNumber, const ContactTable& table) const {
    const int slot = DisplayedNameSlot(table, dialNumber);
    if (slot == kNoSlot) return;
    const char* name = table.slots[slot].name;
    OwnedFont font(::CreateFontA(16, 0, 0, 0, 300, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_RASTER_PRECIS,
                                 CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                 "Times New Roman CE"));
    SelectedObject selected(target, font.Get());
    ::SetTextColor(target, RGB(0, 0, 0));
    ::SetBkMode(target, TRANSPARENT);
    // Clipped to the name area, which is all a redraw restores: a long
    // name's tail would otherwise stay on the window after it changed.
    const RECT clip = {kNameArea.x, kNameArea.y, kNameArea.x + kNameArea.width,
                       kNameArea.y + kNameArea.height};
    ::ExtTextOutA(target, kNameX, kNameY, ETO_CLIPPED, &clip, name, static_cast<UINT>(std::strlen(name)),
                  nullptr);
}
