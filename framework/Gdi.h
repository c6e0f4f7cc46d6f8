// Small owners of GDI handles: each frees what it owns when it goes out of
// scope, and none is shared or copied.
#pragma once

#include <utility>

#include "framework/Win32.h"

// Every GDI object, memory DC and window DC the program makes passes through
// the owners below, which keep this count: what is held now, and how many
// releases the system refused. A long run that ends where it began leaks
// nothing (the system's own counts are not available everywhere).
struct GdiLedger {
    long objects = 0;
    long memoryDCs = 0;
    long windowDCs = 0;
    long failedReleases = 0;

    static GdiLedger& Current() {
        static GdiLedger ledger;
        return ledger;
    }
    static void Released(long& held, bool released) {
        --held;
        if (!released) ++Current().failedReleases;
    }
};

// Owns a pen, brush, font or bitmap and deletes it.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) { Reset(handle); }
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr)
            GdiLedger::Released(GdiLedger::Current().objects, ::DeleteObject(handle_) != FALSE);
        handle_ = handle;
        if (handle_ != nullptr) ++GdiLedger::Current().objects;
    }

private:
    Handle handle_ = nullptr;
};

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedFont = GdiObject<HFONT>;

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Owns a memory DC: created compatible with a reference DC (or the
// screen), deleted by DeleteDC or with its owner.
class CDC {
public:
    CDC() = default;
    ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(HDC reference) {
        DeleteDC();
        dc_ = ::CreateCompatibleDC(reference);
        if (dc_ != nullptr) ++GdiLedger::Current().memoryDCs;
        return dc_ != nullptr;
    }
    void DeleteDC() {
        if (dc_ != nullptr) GdiLedger::Released(GdiLedger::Current().memoryDCs, ::DeleteDC(dc_) != FALSE);
        dc_ = nullptr;
    }
    HDC GetSafeHdc() const { return dc_; }

private:
    HDC dc_ = nullptr;
};

// A window's client-area DC from GetDC, released with ReleaseDC.
class CClientDC {
public:
    explicit CClientDC(HWND window) : window_(window), dc_(::GetDC(window)) {
        if (dc_ != nullptr) ++GdiLedger::Current().windowDCs;
    }
    ~CClientDC() {
        if (dc_ != nullptr)
            GdiLedger::Released(GdiLedger::Current().windowDCs, ::ReleaseDC(window_, dc_) == 1);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    HDC GetSafeHdc() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The DC of one WM_PAINT: BeginPaint on construction, EndPaint at the end.
class CPaintDC {
public:
    explicit CPaintDC(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~CPaintDC() { ::EndPaint(window_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};
