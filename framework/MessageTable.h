// Static message tables: each window class lists the messages it handles and
// the framework cracks their parameters once, so handlers take typed
// arguments. A class declares its table with DECLARE_MESSAGE_TABLE(Class) and
// defines it in its .cpp file:
//
//   BEGIN_MESSAGE_TABLE(CDialerDlg, CDialog)
//       ON_WM_CHAR()
//       ON_COMMAND(IDC_CLEAR, OnClear)
//   END_MESSAGE_TABLE()
#pragma once

#include "framework/Win32.h"

class CWnd;

struct MessageEntry {
    UINT message;  // 0 ends a table
    UINT code;     // notification code of WM_COMMAND and WM_NOTIFY entries
    UINT firstId;  // control ids of WM_COMMAND and WM_NOTIFY entries
    UINT lastId;
    LRESULT (*handle)(CWnd* window, WPARAM wParam, LPARAM lParam);
};

struct MessageTable {
    const MessageTable* base;
    const MessageEntry* entries;
};

// clang-format off
#define DECLARE_MESSAGE_TABLE(Class)                                             \
public:                                                                          \
    static const MessageTable kMessageTable;                                     \
    const MessageTable* GetMessageTable() const override { return &kMessageTable; } \
                                                                                 \
protected:                                                                       \
    using ThisClass = Class;                                                     \
    static const MessageEntry kMessageEntries[];                                 \
                                                                                 \
private:

#define BEGIN_MESSAGE_TABLE(Class, Base)                                              \
    const MessageTable Class::kMessageTable = {&Base::kMessageTable, Class::kMessageEntries}; \
    const MessageEntry Class::kMessageEntries[] = {
#define END_MESSAGE_TABLE() \
    { 0, 0, 0, 0, nullptr } \
    }                       \
    ;

#define TOLLWICK_HANDLER(body) \
    [](CWnd* window, WPARAM wParam, LPARAM lParam) -> LRESULT { \
        auto* self = static_cast<ThisClass*>(window);              \
        (void)self;                                                \
        (void)wParam;                                              \
        (void)lParam;                                              \
        body                                                       \
    }

// Control notifications: void Handler() or, for ranges, void Handler(UINT id).
#define ON_CONTROL(code, id, handler) \
    {WM_COMMAND, code, id, id, TOLLWICK_HANDLER(self->handler(); return 0;)},
#define ON_COMMAND(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_CONTROL_RANGE(code, first, last, handler) \
    {WM_COMMAND, code, first, last, TOLLWICK_HANDLER(self->handler(LOWORD(wParam)); return 0;)},
#define ON_COMMAND_RANGE(first, last, handler) ON_CONTROL_RANGE(BN_CLICKED, first, last, handler)

// WM_NOTIFY from a control: void Handler(NMHDR* header, LRESULT* result).
#define ON_NOTIFY(code, id, handler)                                             \
    {WM_NOTIFY, static_cast<UINT>(code), id, id, TOLLWICK_HANDLER(LRESULT result = 0; \
        self->handler(reinterpret_cast<NMHDR*>(lParam), &result); return result;)},

// Window messages, cracked.
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, TOLLWICK_HANDLER(self->OnPaint(); return 0;)},
#define ON_WM_CHAR()             \
    {WM_CHAR, 0, 0, 0,           \
     TOLLWICK_HANDLER(self->OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;)},
#define ON_WM_ACTIVATE()                                                                            \
    {WM_ACTIVATE, 0, 0, 0,                                                                          \
     TOLLWICK_HANDLER(self->OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam) != 0); \
                      return 0;)},
#define ON_WM_QUERYENDSESSION() \
    {WM_QUERYENDSESSION, 0, 0, 0, TOLLWICK_HANDLER(return self->OnQueryEndSession() ? TRUE : FALSE;)},
#define ON_WM_ENDSESSION() \
    {WM_ENDSESSION, 0, 0, 0, TOLLWICK_HANDLER(self->OnEndSession(wParam != FALSE); return 0;)},
#define ON_WM_COPYDATA()                                                                                  \
    {WM_COPYDATA, 0, 0, 0,                                                                                 \
     TOLLWICK_HANDLER(return self->OnCopyData(reinterpret_cast<HWND>(wParam),                              \
                                              reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;)},
#define ON_WM_ENABLE() {WM_ENABLE, 0, 0, 0, TOLLWICK_HANDLER(self->OnEnable(wParam != FALSE); return 0;)},
#define ON_WM_DROPFILES() \
    {WM_DROPFILES, 0, 0, 0, TOLLWICK_HANDLER(self->OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;)},
// void OnSysCommand(UINT choice): a choice of the window's system menu.
#define ON_WM_SYSCOMMAND() \
    {WM_SYSCOMMAND, 0, 0, 0, TOLLWICK_HANDLER(self->OnSysCommand(static_cast<UINT>(wParam)); return 0;)},
// void OnContextMenu(HWND window, int x, int y, bool fromKeyboard): a right
// click at a screen point, or the context-menu key (no point). The check
// looks at the low 32 bits, as 64-bit Wine sets only those.
#define ON_WM_CONTEXTMENU()                                                                              \
    {WM_CONTEXTMENU, 0, 0, 0,                                                                            \
     TOLLWICK_HANDLER(self->OnContextMenu(reinterpret_cast<HWND>(wParam),                                \
                                          static_cast<short>(LOWORD(lParam)),                            \
                                          static_cast<short>(HIWORD(lParam)),                            \
                                          (static_cast<DWORD_PTR>(lParam) & 0xFFFFFFFFu) == 0xFFFFFFFFu); \
                      return 0;)},
// A message of the program's own: LRESULT Handler(WPARAM wParam, LPARAM lParam).
#define ON_MESSAGE(message, handler) {message, 0, 0, 0, TOLLWICK_HANDLER(return self->handler(wParam, lParam);)},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, 0, TOLLWICK_HANDLER(return reinterpret_cast<LRESULT>(self->OnQueryDragIcon());)},
// clang-format on
