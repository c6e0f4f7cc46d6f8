// The phone's screen: the dial number in glyphs from the numbers strip and
// the matching contact's name, drawn from two pictures held in memory DCs.
#pragma once

#include "contacts/ContactTable.h"
#include "framework/Gdi.h"

// How the pictures are loaded: LoadImageA, or a stand-in under test.
using ImageLoader = HANDLE(WINAPI*)(HINSTANCE instance, LPCSTR name, UINT type, int width, int height,
                                    UINT flags);

class NumberDisplay {
public:
    explicit NumberDisplay(ImageLoader load = ::LoadImageA) : load_(load) {}

    void SetImageLoader(ImageLoader load) { load_ = load; }

    // The numbers strip (from the program, else from a file of that name in
    // the current directory) and the background, each in its own memory DC.
    void LoadImages();
    // Releases the memory DCs; the pictures stay until the display goes.
    void DeleteDCs();

    // Draws at once on the window after the dial number changed: glyphs,
    // then the name area restored, then the name.
    void Redraw(HWND window, const char* dialNumber, const ContactTable& table) const;
    // The display's share of painting: display area restored, glyphs, name.
    void Paint(HWND window, const char* dialNumber, const ContactTable& table) const;
    // The whole background picture at the window's origin.
    void PaintBackground(HDC target) const;

    bool HasStrip() const { return static_cast<bool>(strip_); }

private:
    void DrawGlyphs(HDC target, const char* dialNumber) const;
    void DrawName(HDC target, const char* dialNumber, const ContactTable& table) const;
    void Restore(HDC target, int x, int y, int width, int height) const;

    ImageLoader load_;
    OwnedBitmap strip_;
    CDC stripDC_;
    OwnedBitmap background_;
    CDC backgroundDC_;
};
