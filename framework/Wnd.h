// CWnd: a window object bound to one window handle, with the message table
// that dispatches the window's messages to its handlers.
#pragma once

#include "framework/MessageTable.h"
#include "framework/Win32.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Binds this object to an existing window, such as a dialog's control, so
    // that messages reflected from its parent (WM_DRAWITEM) reach it.
    void Attach(HWND window);
    void Detach();
    // The object bound to a window by Attach, or nullptr.
    static CWnd* FromAttached(HWND window);

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    int MessageBox(const char* text, const char* caption, UINT style) const {
        return ::MessageBoxA(m_hWnd, text, caption, style);
    }
    // A timer of this window; with a callback its ticks go there instead of
    // arriving as WM_TIMER. Returns the timer's id, or 0 when it failed.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC callback) const {
        return ::SetTimer(m_hWnd, id, elapseMs, callback);
    }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }

    virtual const MessageTable* GetMessageTable() const { return &kMessageTable; }
    static const MessageTable kMessageTable;

    // Runs the handler for a message from this class's table or a base
    // class's; false when none handles it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Owner-drawn controls draw themselves when their parent passes on
    // WM_DRAWITEM.
    virtual void DrawItem(DRAWITEMSTRUCT* item) { (void)item; }

protected:
    // The default processing of the message being handled, from inside its
    // handler.
    LRESULT Default();
    // The window's default processing of a message: DefWindowProc for a
    // plain window; a dialog hands it to the dialog manager.
    virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static const MessageEntry kMessageEntries[];
    UINT currentMessage_ = 0;
    WPARAM currentWParam_ = 0;
    LPARAM currentLParam_ = 0;
};
