// Dial: the one way the program makes a call. A dial number that matches a
// stored contact's digits is requested at once and counted; any other goes
// through the unknown-number dialog, which may save it as a contact first.
// CallRequest hands the number to Assisted Telephony, starts the Phone Dialer
// watch and reports a failed request. Standard C++ only; the window carries
// out the rest through a CallHost.
#pragma once

#include <cstdint>

#include "calling/DialerWatch.h"
#include "contacts/ContactTable.h"
#include "dialpad/NumberEntry.h"

// What a modal dialog's run ends with, as the dialog manager numbers them.
constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;
constexpr int kDialogFailed = -1;

constexpr char kApplicationName[] = "Tollwick!";
constexpr char kRequestComment[] = "No comment...";
// The called party of every unknown number that is dialled.
constexpr char kNoNameParty[] = "NoName";
// What "Save it!" leaves in the called-party name, telling Dial it was chosen.
constexpr char kSavedPartyMark[] = "Unknown...";

// What Dial and CallRequest ask of the main window.
class CallHost : public DialPadHost {
public:
    // Runs the unknown-number dialog on `target` (a cleared record holding
    // the dial number): kDialogOk after "Save it!" or "Just Dial",
    // kDialogCancel, or kDialogFailed when it could not open. With a full
    // table the dialog refuses "Save it!".
    virtual int RunUnknownNumberDialog(Contact& target, NumberEntry& entry, bool tableFull) = 0;
    // tapiRequestMakeCall through the process's binding.
    virtual std::int32_t RequestMakeCall(const char* destination, const char* application,
                                         const char* calledParty, const char* comment) = 0;
    // A modal message box owned by the main window; styles as in ContactsFile.h.
    virtual void ShowMessage(const char* text, const char* caption, unsigned style) = 0;
    // Rebuilds the contact list from the table.
    virtual void RefillList() = 0;
    // A stored contact's call was counted, or "Save it!" stored a new one
    // (`added`), for the contacts file to know what this run changed.
    virtual void CallCounted(const Contact& contact, bool added) {
        (void)contact;
        (void)added;
    }

protected:
    ~CallHost() = default;
};

// The text the "HEY!" box shows for a failed request (r != 0).
const char* RequestErrorText(std::int32_t result);

// Dial for the current dial number.
void Dial(ContactTable& table, NumberEntry& entry, DialerWatch& watch, CallHost& host);

// Requests a call for the dial number and called-party name, then watches
// for the Phone Dialer and reports a failure.
void CallRequest(NumberEntry& entry, DialerWatch& watch, CallHost& host);
