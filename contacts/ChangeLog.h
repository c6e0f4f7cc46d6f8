// What this run changed in the contact list since the file was last read or
// written, kept so that a save can replay it onto whatever the file holds by
// then. Standard C++ only; a fixed array, nothing allocated per change.
#pragma once

#include <cstdint>

#include "contacts/ContactTable.h"
#include "contacts/FieldRules.h"

// A contact as the file gives it back: name and number as long as a record
// keeps them, which is all a replay compares them with.
struct LoggedContact {
    char name[kNameFieldLimit + 1];
    char number[kNumberFieldLimit + 1];
    std::int32_t calls;
};

// The first slot with this name and number, or kNoSlot: the same contact as
// far as a merge can tell.
int FindContact(const ContactTable& table, const char* name, const char* number);

enum class Change : std::uint8_t { kCall, kAdd, kEdit, kDelete };

struct ChangeEntry {
    Change change;
    bool waiting;          // found the list full at the last replay
    LoggedContact before;  // the contact called, edited or deleted, as it was
    LoggedContact after;   // the contact added, or as edited
};

// The changes in the order they were made. A contact is known by its name
// and number; its call count is a counter that both sides add to.
class ChangeLog {
public:
    static constexpr int kCapacity = 512;

    // Each records one change and answers false when the log is full.
    bool Call(const char* name, const char* number);
    bool Add(const Contact& contact);
    bool Edit(const Contact& before, const Contact& after);
    bool Delete(const Contact& contact);

    // Replays the changes, oldest first, onto the records of a file, and
    // answers how many found no room even when tried again at the end:
    //  - a call adds one to the record with the same name and number, else to
    //    the first with the same digits, else brings the contact back with it;
    //  - an add appends the contact unless one with its digits is there, which
    //    then takes the calls the new contact had, all of them this run's;
    //  - an edit changes the record that is still as it was, keeping the calls
    //    the other side counted, and otherwise appends the edited contact;
    //  - a delete removes the record only while it is still as it was.
    int ReplayOnto(ContactTable& file);
    // Tries again those that found no room: a delete may have made some.
    int RetryWaiting(ContactTable& file);

    // Drops every change but those waiting for room.
    void KeepWaiting();
    void Clear() { count_ = 0; }

    int Count() const { return count_; }
    bool IsFull() const { return count_ == kCapacity; }
    const ChangeEntry& At(int i) const { return entries_[i]; }

private:
    // A cleared entry for one more change, or nullptr when the log is full.
    ChangeEntry* Next(Change change);

    ChangeEntry entries_[kCapacity];
    int count_ = 0;
};
