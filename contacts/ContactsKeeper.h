// The contacts file over one run of the window, shared with whoever else
// changes it meanwhile: Notepad, a sync client, another Tollwick on a network
// share. A save reads the file again and, when someone changed it, replays
// this run's changes onto what it holds instead of writing over it.
// Standard C++ only; the lock file and the file system are the host's.
#pragma once

#include "contacts/ChangeLog.h"
#include "contacts/ContactsFile.h"

// Held over a save's read, merge and write; made beside kFileName.
constexpr char kLockFileName[] = "contacts.txt.lock";
// A lock file older than this was left by a writer that is gone.
constexpr int kStaleLockSeconds = 30;
constexpr unsigned kMessageIconInformation = 0x00000040u;

// Shown with the caption "INFO", each contact's name on a line below.
constexpr char kNoRoomMessage[] =
    "The contact list is full (500 contacts).\n"
    "These were not saved; the next save tries again:\n";

class ContactsKeeper {
public:
    // Reads the file into the window's table; from then on the keeper works on
    // that table through that host. A run whose read failed never writes.
    void Load(ContactTable& table, ContactsFileHost& host);

    // Writes the table, or the file as it is now with this run's changes
    // replayed onto it when someone changed it since it was last read or
    // written; true when written. The table then holds what was written
    // (in its own sort mode: the caller reorders and refills) and the
    // changes start again, but for those the full list had no room for,
    // named in one INFO box after the save. When the lock or the file
    // cannot be had, the ERROR box shows and the changes wait for the next save.
    bool Save();

    // Takes in a file someone changed, with this run's changes replayed onto
    // it, without writing: the changes stay for the save. True when the
    // table was replaced (the caller reorders and refills).
    bool Refresh();

    // What the window just changed in the table. The change that fills the
    // log forces a save.
    void NoteCall(const char* name, const char* number);
    void NoteAdd(const Contact& contact);
    // An import appended the table's slots from firstNewSlot on.
    void NoteImport(int firstNewSlot);
    void NoteEdit(const Contact& before, const Contact& after);
    void NoteDelete(const Contact& contact);

    bool MaySave() const { return maySave_; }

private:
    void Noted(bool logged);
    // Reads the file and writes the table or the merge; false when either failed.
    bool ReadMergeWrite();
    // Adds the table's contacts that the merge lacks, for a log cut short.
    void TakeInMissing();
    void ListNoRoom(const char* name);
    void Adopt();

    ContactTable* table_ = nullptr;
    ContactsFileHost* host_ = nullptr;
    bool maySave_ = false;
    bool cutShort_ = false;         // a change found the log full: the table holds more
    ContactsFile::FileStamp base_;  // the file as last read or written
    ChangeLog log_;
    ContactTable file_;  // the file as it is now, merged
    static constexpr int kNoRoomNamesShown = 20;
    char noRoom_[sizeof kNoRoomMessage + (kNameFieldLimit + 1) * kNoRoomNamesShown + 8];
    int noRoomNames_ = 0;
};
