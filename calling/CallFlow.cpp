#include "calling/CallFlow.h"

#include <cstring>

#include "calling/TapiBinding.h"
#include "contacts/ContactsFile.h"
#include "contacts/TextCopy.h"
#include "res/resource.h"

namespace {

constexpr char kHeyCaption[] = "HEY!";
constexpr char kNoRecipientText[] =
    "Please go to Phone Dialer (Start->Programs->Accessories),\n"
    "then Tools->ConnectUsing and check\n"
    "'Use Phone Dialer to handle voice call requests from other programs.";

void CountCall(Contact& contact) {
    if (contact.calls < INT32_MAX) ++contact.calls;
}

}  // namespace

const char* RequestErrorText(std::int32_t result) {
    switch (result) {
        case kTapiErrInvalPointer: return "TAPIERR_INVALPOINTER";
        case kTapiErrInvalDestAddress: return "TAPIERR_INVALDESTADDRESS";
        case kTapiErrRequestQueueFull: return "TAPIERR_REQUESTQUEUEFULL";
        case kTapiErrNoRequestRecipient: return kNoRecipientText;
        default: return "TAPIERR";
    }
}

void Dial(ContactTable& table, NumberEntry& entry, DialerWatch& watch, CallHost& host) {
    host.PlayKeySound(IDW_CLICK);
    const int known = table.FindByDigitKey(DigitKey(entry.Number()));
    if (known != kNoSlot) {
        Contact& contact = table.slots[known];
        CountCall(contact);
        entry.SetCalledParty(contact.name);
        CallRequest(entry, watch, host);
        host.CallCounted(contact, false);
        return;
    }

    // With every slot in use NewSlot hands out a scratch record that the
    // table never stores, and the dialog will not save it.
    const bool full = table.IsFull();
    Contact& spare = table.NewSlot();
    CopyText(spare.number, entry.Number());
    if (host.RunUnknownNumberDialog(spare, entry, full) == kDialogOk) {
        if (entry.CalledParty()[0] != '\0') {  // "Save it!"
            CountCall(spare);
            entry.SetNumber(spare.number);
        }
        entry.SetCalledParty(kNoNameParty);
        CallRequest(entry, watch, host);
    }
    const int stored = table.count;
    table.Compact();
    if (table.count > stored) host.CallCounted(table.slots[table.count - 1], true);
    host.RefillList();
    host.FocusControl(IDC_DIAL);
}

void CallRequest(NumberEntry& entry, DialerWatch& watch, CallHost& host) {
    entry.SetReplaceOnNextKey(true);
    watch.AbandonRunningWatch();
    const std::int32_t result =
        host.RequestMakeCall(entry.Number(), kApplicationName, entry.CalledParty(), kRequestComment);
    watch.NoteCallPlaced();
    watch.Start();
    if (result != kTapiConnected) host.ShowMessage(RequestErrorText(result), kHeyCaption, kMessageOk);
    host.RefillList();
    host.RedrawDisplay();
}
