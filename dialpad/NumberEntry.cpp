#include "dialpad/NumberEntry.h"

#include <cstring>

#include "contacts/TextCopy.h"
#include "res/resource.h"

namespace {

// A telephone keypad's letters, A to Z.
constexpr char kLetterDigits[] = "22233344455566677778889999";

constexpr char kHeyCaption[] = "HEY!";

bool IsNumberCharacter(unsigned char c) {
    return (c >= '0' && c <= '9') || c == '#' || c == '-' || c == '*' || c == '(' || c == ')';
}

}  // namespace

char KeypadDigit(unsigned char c) {
    if (c >= 'a' && c <= 'z') return kLetterDigits[c - 'a'];
    if (c >= 'A' && c <= 'Z') return kLetterDigits[c - 'A'];
    return 0;
}

bool FeedbackOfKey(unsigned char c, KeyFeedback* feedback) {
    if (c >= '0' && c <= '9') {
        *feedback = {IDW_KEY_0 + (c - '0'), IDC_DIGIT_0 + (c - '0')};
    } else if (c == '*') {
        *feedback = {IDW_KEY_STAR, IDC_STAR};
    } else if (c == '#') {
        *feedback = {IDW_KEY_HASH, IDC_HASH};
    } else {
        return false;
    }
    return true;
}

void NumberEntry::EnterCharacter(unsigned char c) {
    if (c == ' ') return;
    std::size_t length = std::strlen(number_);
    if (c == '\b' && length > 0) {
        number_[length - 1] = '\0';
        typed_ = true;
        host_.RedrawDisplay();
        return;
    }
    if (const char digit = KeypadDigit(c)) c = static_cast<unsigned char>(digit);
    if (IsNumberCharacter(c)) {
        if (replaceOnNextKey_) {
            number_[0] = '\0';
            length = 0;
            replaceOnNextKey_ = false;
        }
        if (length == kDialNumberMaxTyped) {
            if (host_.AskYesNo(kTooLongQuestion, kHeyCaption)) {
                number_[0] = '\0';
                host_.RedrawDisplay();
                return;
            }
        } else if (length < kDialNumberMaxTyped) {
            number_[length] = static_cast<char>(c);
            number_[length + 1] = '\0';
            typed_ = true;
            host_.RedrawDisplay();
        }
    }
    KeyFeedback feedback;
    if (FeedbackOfKey(c, &feedback)) {
        host_.PlayKeySound(feedback.sound);
        host_.FocusControl(feedback.button);
    }
}

void NumberEntry::CharacterHandler(unsigned char c, const ContactTable& table, const int* shownSlots) {
    if (c >= 'A' && c <= 'T') {
        const int slot = shownSlots != nullptr ? shownSlots[c - 'A'] : table.SpeedDialSlot(c - 'A');
        if (slot == kNoSlot) return;
        host_.PlayKeySound(IDW_CLICK);
        SetNumber(table.slots[slot].number);
        host_.RedrawDisplay();
        return;
    }
    EnterCharacter(c);
}

void NumberEntry::Clear() {
    host_.PlayKeySound(IDW_CLICK);
    number_[0] = '\0';
    host_.RedrawDisplay();
}

void NumberEntry::SetNumber(const char* text, bool typed) {
    CopyText(number_, text);
    typed_ = typed;
}

void NumberEntry::SetCalledParty(const char* text) {
    CopyText(calledParty_, text);
}
