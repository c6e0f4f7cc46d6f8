// contacts.txt as the main window shares it with whoever else writes it (a
// hand edit, a sync client, another machine's Tollwick): read at start, saved
// after every change through the merging keeper, and looked at on
// activation and every few seconds for changes made outside. The window
// only says when.
#pragma once

#include "app/FileHost.h"
#include "contacts/ContactsKeeper.h"

// Posted to the window by the look every few seconds.
constexpr UINT kLookAtContactsFileMessage = WM_APP + 2;

class SharedContacts {
public:
    // Reads the file into the table and starts the window's timer for the
    // looks at it.
    void Open(HWND window, ContactTable& table);
    // Stops the looks and saves: the window closes.
    void Close();

    // What the window changes in the table is noted here, for the merge.
    ContactsKeeper& Changes() { return keeper_; }
    // The file system with the window's message boxes, for the call log and
    // the export too.
    ContactsFileHost& Files() { return files_; }

    // Saves at once, merged with what others wrote meanwhile.
    void Save();
    // The end of the session: no message may hold it up.
    void SaveQuietly();

    // Takes in the file when its size or time changed since the last look,
    // with this run's changes on top; true when the table changed (the
    // window refills). While a dialog of the window is open (`windowFree`
    // false) it only notes that the look waits.
    bool TakeOutsideChanges(bool windowFree);
    bool LookWaits() const { return lookWaits_; }

private:
    static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

    HWND window_ = nullptr;
    CFileHost files_;
    ContactsKeeper keeper_;
    FileIdentity identity_{ContactsFile::kFileName};
    bool lookWaits_ = false;
};
