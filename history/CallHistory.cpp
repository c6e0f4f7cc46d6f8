#include "history/CallHistory.h"

#include "framework/Win32.h"

void CallHistory::Load(ContactsFileHost& host) {
    if (loaded_) return;
    keeper_.Load(log_, host);
    loaded_ = true;
}

// A log that could not be read at its first use is left as it is: the call
// still goes out, and only its line is missing.
void CallHistory::Record(const char* number, const char* calledParty, std::int32_t result,
                         ContactsFileHost& host) {
    Load(host);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CallEntry entry;
    MakeCallEntry({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute}, number, calledParty, result,
                  entry);
    keeper_.Record(log_, entry, host);
}

CallLog& CallHistory::Log(ContactsFileHost& host) {
    Load(host);
    return log_;
}

void CallHistory::Save(ContactsFileHost& host) {
    keeper_.Save(log_, host);
}
