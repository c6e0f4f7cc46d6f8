#include "contacts/ChangeLog.h"

#include <cstring>

#include "contacts/TextCopy.h"

namespace {

// Copies a contact into the log, cut to what the file keeps of it.
void Keep(LoggedContact& logged, const char* name, const char* number, std::int32_t calls) {
    CopyText(logged.name, name);
    CopyText(logged.number, number);
    logged.calls = calls;
}

// A call count moved by a difference, held to the 32-bit range.
std::int32_t Moved(std::int32_t calls, std::int64_t by) {
    const std::int64_t sum = calls + by;
    return sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(sum);
}

// The record that is still the contact as this run knew it.
int FindSame(const ContactTable& file, const LoggedContact& contact) {
    return FindContact(file, contact.name, contact.number);
}

// Appends a record; false when all 500 are taken.
bool Append(ContactTable& file, const LoggedContact& contact, std::int32_t calls) {
    if (file.IsFull()) return false;
    Contact& record = file.NewSlot();
    CopyText(record.name, contact.name);
    CopyText(record.number, contact.number);
    record.calls = calls;
    ++file.count;
    return true;
}

// Removes a record; the others keep their order.
void Remove(ContactTable& file, int s) {
    for (; s + 1 < file.count; ++s) file.slots[s] = file.slots[s + 1];
    file.ClearSlot(s);
    --file.count;
}

// Applies one change; false when it needed a record and found no room.
bool Apply(const ChangeEntry& entry, ContactTable& file) {
    const LoggedContact& before = entry.before;
    const LoggedContact& after = entry.after;
    int s = kNoSlot;
    switch (entry.change) {
        case Change::kCall:
            s = FindSame(file, before);
            if (s == kNoSlot) s = file.FindByDigitKey(DigitKey(before.number));
            if (s == kNoSlot) return Append(file, before, 1);  // the other side deleted it
            file.slots[s].calls = Moved(file.slots[s].calls, 1);
            return true;
        case Change::kAdd:
            s = file.FindByDigitKey(DigitKey(after.number));
            if (s == kNoSlot) return Append(file, after, after.calls);
            file.slots[s].calls = Moved(file.slots[s].calls, after.calls);
            return true;
        case Change::kEdit:
            s = FindSame(file, before);
            // Changed or deleted on the other side too: both versions stay.
            if (s == kNoSlot) return Append(file, after, after.calls);
            CopyText(file.slots[s].name, after.name);
            CopyText(file.slots[s].number, after.number);
            file.slots[s].calls =
                Moved(file.slots[s].calls, static_cast<std::int64_t>(after.calls) - before.calls);
            return true;
        case Change::kDelete:
            s = FindSame(file, before);
            if (s != kNoSlot) Remove(file, s);
            return true;
    }
    return true;
}

}  // namespace

int FindContact(const ContactTable& table, const char* name, const char* number) {
    for (int s = 0; s < table.count; ++s) {
        if (std::strcmp(table.slots[s].number, number) == 0 && std::strcmp(table.slots[s].name, name) == 0)
            return s;
    }
    return kNoSlot;
}

ChangeEntry* ChangeLog::Next(Change change) {
    if (IsFull()) return nullptr;
    ChangeEntry& entry = entries_[count_++];
    std::memset(&entry, 0, sizeof entry);
    entry.change = change;
    return &entry;
}

bool ChangeLog::Call(const char* name, const char* number) {
    ChangeEntry* entry = Next(Change::kCall);
    if (entry != nullptr) Keep(entry->before, name, number, 0);
    return entry != nullptr;
}

bool ChangeLog::Add(const Contact& contact) {
    ChangeEntry* entry = Next(Change::kAdd);
    if (entry != nullptr) Keep(entry->after, contact.name, contact.number, contact.calls);
    return entry != nullptr;
}

bool ChangeLog::Edit(const Contact& before, const Contact& after) {
    ChangeEntry* entry = Next(Change::kEdit);
    if (entry == nullptr) return false;
    Keep(entry->before, before.name, before.number, before.calls);
    Keep(entry->after, after.name, after.number, after.calls);
    return true;
}

bool ChangeLog::Delete(const Contact& contact) {
    ChangeEntry* entry = Next(Change::kDelete);
    if (entry != nullptr) Keep(entry->before, contact.name, contact.number, contact.calls);
    return entry != nullptr;
}

int ChangeLog::ReplayOnto(ContactTable& file) {
    for (int i = 0; i < count_; ++i) entries_[i].waiting = !Apply(entries_[i], file);
    return RetryWaiting(file);
}

int ChangeLog::RetryWaiting(ContactTable& file) {
    int waiting = 0;
    for (int i = 0; i < count_; ++i) {
        ChangeEntry& entry = entries_[i];
        if (entry.waiting) entry.waiting = !Apply(entry, file);
        waiting += entry.waiting;
    }
    return waiting;
}

void ChangeLog::KeepWaiting() {
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].waiting) entries_[kept++] = entries_[i];
    }
    count_ = kept;
}
