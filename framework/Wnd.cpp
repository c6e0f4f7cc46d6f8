#include "framework/Wnd.h"

namespace {

// The window property that leads from an attached window to its object.
constexpr char kObjectProperty[] = "Tollwick.CWnd";

bool Matches(const MessageEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
    if (entry.message != message) return false;
    if (message == WM_COMMAND) {
        const UINT id = LOWORD(wParam);
        return HIWORD(wParam) == entry.code && id >= entry.firstId && id <= entry.lastId;
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return header->code == entry.code && header->idFrom >= entry.firstId &&
               header->idFrom <= entry.lastId;
    }
    return true;
}

}  // namespace

const MessageEntry CWnd::kMessageEntries[] = {{0, 0, 0, 0, nullptr}};
const MessageTable CWnd::kMessageTable = {nullptr, CWnd::kMessageEntries};

CWnd::~CWnd() {
    Detach();
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    if (window != nullptr) ::SetPropA(window, kObjectProperty, this);
}

void CWnd::Detach() {
    if (m_hWnd != nullptr && ::GetPropA(m_hWnd, kObjectProperty) == this)
        ::RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

CWnd* CWnd::FromAttached(HWND window) {
    return static_cast<CWnd*>(::GetPropA(window, kObjectProperty));
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU) {
            if (CWnd* control = FromAttached(item->hwndItem)) {
                control->DrawItem(item);
                *result = TRUE;
                return true;
            }
        }
    }
    for (const MessageTable* table = GetMessageTable(); table != nullptr; table = table->base) {
        for (const MessageEntry* entry = table->entries; entry->handle != nullptr; ++entry) {
            if (!Matches(*entry, message, wParam, lParam)) continue;
            const UINT outerMessage = currentMessage_;
            const WPARAM outerWParam = currentWParam_;
            const LPARAM outerLParam = currentLParam_;
            currentMessage_ = message;
            currentWParam_ = wParam;
            currentLParam_ = lParam;
            *result = entry->handle(this, wParam, lParam);
            currentMessage_ = outerMessage;
            currentWParam_ = outerWParam;
            currentLParam_ = outerLParam;
            return true;
        }
    }
    return false;
}

LRESULT CWnd::Default() {
    return DefaultProcessing(currentMessage_, currentWParam_, currentLParam_);
}

LRESULT CWnd::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}
