#include "contacts/ContactsKeeper.h"

#include <cassert>
#include <cstdio>
#include <cstring>

#include "contacts/TextCopy.h"

namespace {

using ContactsFile::FileStamp;
using ContactsFile::kOpenRetryStepMs;
using ContactsFile::kOpenRetryTotalMs;
using ContactsFile::ReadOutcome;

enum class Lock { kHeld, kNone, kBusy };

// Takes the lock file, waiting up to kOpenRetryTotalMs for another writer to
// finish; one older than kStaleLockSeconds is a gone writer's and is removed.
// Where there is none and none can be made (a folder that takes no new
// files, while the file itself may be rewritten) no writer can be waited for.
Lock TakeLock(ContactsFileHost& host) {
    for (int waited = 0;; waited += kOpenRetryStepMs) {
        if (host.TryCreateLock(kLockFileName)) return Lock::kHeld;
        const int age = host.LockAgeSeconds(kLockFileName);
        // Released between the two calls, or never to be made.
        if (age < 0) return host.TryCreateLock(kLockFileName) ? Lock::kHeld : Lock::kNone;
        if (age > kStaleLockSeconds && host.RemoveStaleLock(kLockFileName)) continue;
        if (waited >= kOpenRetryTotalMs) return Lock::kBusy;
        host.WaitBeforeRetry(kOpenRetryStepMs);
    }
}

}  // namespace

void ContactsKeeper::Load(ContactTable& table, ContactsFileHost& host) {
    table_ = &table;
    host_ = &host;
    maySave_ = ContactsFile::Read(table, host, &base_) != ReadOutcome::kUnreadable;
    log_.Clear();
    cutShort_ = false;
}

bool ContactsKeeper::Save() {
    if (!maySave_) return false;
    const Lock lock = TakeLock(*host_);
    CopyText(noRoom_, kNoRoomMessage);
    noRoomNames_ = 0;
    const bool saved = lock != Lock::kBusy && ReadMergeWrite();
    // No box while the lock is held, where other writers would wait on the
    // user; nor before the keeper is done, since a box runs the window's
    // messages, which may call the keeper.
    if (lock == Lock::kHeld) host_->ReleaseLock();
    if (!saved) host_->ShowMessage(ContactsFile::kCannotSaveMessage, "ERROR", kMessageOk);
    if (saved && noRoomNames_ > 0) {
        host_->ShowMessage(noRoom_, kInfoCaption, kMessageOk | kMessageIconInformation);
    }
    return saved;
}

bool ContactsKeeper::ReadMergeWrite() {
    FileStamp now;
    const ReadOutcome read = ContactsFile::ReadQuietly(file_, *host_, now);
    if (read == ReadOutcome::kUnreadable) return false;
    if (read == ReadOutcome::kLoaded && !(now == base_)) {
        log_.ReplayOnto(file_);
        if (cutShort_) TakeInMissing();
    } else {
        // Unchanged, or deleted while the run went on: the table is all there
        // is, but for changes that waited for room.
        file_ = *table_;
        log_.RetryWaiting(file_);
    }
    if (!ContactsFile::WriteQuietly(file_, *host_, now)) return false;
    base_ = now;
    Adopt();
    log_.KeepWaiting();
    for (int i = 0; i < log_.Count(); ++i) {
        const ChangeEntry& entry = log_.At(i);
        ListNoRoom(entry.change == Change::kCall ? entry.before.name : entry.after.name);
    }
    cutShort_ = false;
    return true;
}

void ContactsKeeper::TakeInMissing() {
    for (int s = 0; s < table_->count; ++s) {
        const Contact& contact = table_->slots[s];
        if (!ContactTable::InUse(contact) || FindContact(file_, contact.name, contact.number) != kNoSlot)
            continue;
        if (file_.IsFull()) {
            ListNoRoom(contact.name);  // no log to keep it in: named, not kept
        } else {
            file_.NewSlot() = contact;
            ++file_.count;
        }
    }
}

// Each name once, on a line of its own; past kNoRoomNamesShown, "...".
void ContactsKeeper::ListNoRoom(const char* name) {
    char line[kNameSize + 2];
    std::snprintf(line, sizeof line, "\n%s\n", name);
    if (std::strstr(noRoom_, line) != nullptr || ++noRoomNames_ > kNoRoomNamesShown + 1) return;
    const std::size_t used = std::strlen(noRoom_);
    CopyText(noRoom_ + used, sizeof noRoom_ - used, noRoomNames_ > kNoRoomNamesShown ? "...\n" : line + 1);
}

// The table takes what the file now holds, keeping its own sort mode.
void ContactsKeeper::Adopt() {
    const int sortMode = table_->sortMode;
    *table_ = file_;
    table_->sortMode = sortMode;
}

bool ContactsKeeper::Refresh() {
    FileStamp now;
    // A log cut short cannot rebuild the table: the save's merge takes the file in.
    if (!maySave_ || cutShort_ || ContactsFile::ReadQuietly(file_, *host_, now) != ReadOutcome::kLoaded ||
        now == base_) {
        return false;
    }
    log_.ReplayOnto(file_);
    Adopt();
    base_ = now;
    return true;
}

void ContactsKeeper::NoteCall(const char* name, const char* number) {
    Noted(log_.Call(name, number));
}

void ContactsKeeper::NoteAdd(const Contact& contact) {
    Noted(log_.Add(contact));
}

void ContactsKeeper::NoteImport(int firstNewSlot) {
    bool logged = true;
    for (int s = firstNewSlot; s < table_->count; ++s) logged = log_.Add(table_->slots[s]) && logged;
    Noted(logged);
}

void ContactsKeeper::NoteEdit(const Contact& before, const Contact& after) {
    Noted(log_.Edit(before, after));
}

void ContactsKeeper::NoteDelete(const Contact& contact) {
    Noted(log_.Delete(contact));
}

// A full log is emptied by a save; a change that finds it full all the same
// (the save failed, or an import was longer) leaves the table holding more
// than the log, which the next merge makes up for.
void ContactsKeeper::Noted(bool logged) {
    assert(table_ != nullptr);
    const bool firstTime = !cutShort_;  // not again and again while saves fail
    if (!logged) cutShort_ = true;
    if (log_.IsFull() && firstTime) Save();
}
