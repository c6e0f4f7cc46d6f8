// The run's call log: every call request goes to calls.txt at once, and the
// history window shows the latest calls. The file is read when first needed
// (the first call or the first look at the history), not at start.
#pragma once

#include <cstdint>

#include "history/CallLog.h"

class CallHistory {
public:
    // Appends the request, as sent, with the local time and its result.
    void Record(const char* number, const char* calledParty, std::int32_t result, ContactsFileHost& host);
    // The latest calls, oldest first, for the history window.
    CallLog& Log(ContactsFileHost& host);
    // Rewrites the file after the history window deleted entries.
    void Save(ContactsFileHost& host);

private:
    void Load(ContactsFileHost& host);

    CallLog log_;
    CallLogKeeper keeper_;
    bool loaded_ = false;
};
