#include "app/SharedContacts.h"

namespace {

// How often the window looks whether someone else wrote the contacts file.
constexpr UINT_PTR kLookTimerId = 2;
constexpr UINT kLookPeriodMs = 5000;

}  // namespace

void SharedContacts::Open(HWND window, ContactTable& table) {
    window_ = window;
    files_.SetOwner(window);
    keeper_.Load(table, files_);
    identity_.Remember();
    ::SetTimer(window, kLookTimerId, kLookPeriodMs, TimerProc);
}

void SharedContacts::Close() {
    ::KillTimer(window_, kLookTimerId);
    keeper_.Save();
}

void SharedContacts::Save() {
    keeper_.Save();
    identity_.Remember();
}

void SharedContacts::SaveQuietly() {
    files_.SetQuiet(true);
    keeper_.Save();
    files_.SetQuiet(false);
}

// A look that finds nothing costs one GetFileAttributesEx: the content is
// read only when the size or the time changed.
bool SharedContacts::TakeOutsideChanges(bool windowFree) {
    lookWaits_ = !windowFree;
    if (!windowFree || !identity_.Changed()) return false;
    const bool changed = keeper_.Refresh();
    identity_.Remember();
    return changed;
}

// The look runs as a posted message of the window, never inside whatever
// modal loop happens to dispatch the timer.
void CALLBACK SharedContacts::TimerProc(HWND window, UINT, UINT_PTR, DWORD) {
    ::PostMessageA(window, kLookAtContactsFileMessage, 0, 0);
}
