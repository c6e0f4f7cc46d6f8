// The number being composed and every edit of it from keys and keypad
// buttons: letters to keypad digits, the 28-character limit, Backspace,
// Clear, the replace-on-next-key rule and the speed-dial letters A-T.
// Standard C++ only; the window carries out what it decides through a
// DialPadHost.
#pragma once

#include "contacts/ContactTable.h"

constexpr int kDialNumberSize = 38;
constexpr int kDialNumberMaxTyped = 28;
constexpr int kCalledPartySize = 102;

// What number entry asks of the window it lives in.
class DialPadHost {
public:
    // Starts one of the program's sounds (a key tone or the click) and returns.
    virtual void PlayKeySound(int soundId) = 0;
    // Moves the keyboard focus to a control of the main window.
    virtual void FocusControl(int controlId) = 0;
    // A question box owned by the main window, Yes and No; true for Yes.
    virtual bool AskYesNo(const char* text, const char* caption) = 0;
    // Draws the display at once for the current dial number.
    virtual void RedrawDisplay() = 0;

protected:
    ~DialPadHost() = default;
};

// The keypad digit of a letter (ABC 2 ... WXYZ 9, either case), else 0.
char KeypadDigit(unsigned char c);

// The tone and keypad button of 0-9, * and #; false for any other character.
struct KeyFeedback {
    int sound;
    int button;
};
bool FeedbackOfKey(unsigned char c, KeyFeedback* feedback);

constexpr char kTooLongQuestion[] = "Who do you call? Folks on Jupiter? ;-)\nLet me clear this mess?";

class NumberEntry {
public:
    explicit NumberEntry(DialPadHost& host) : host_(host) {}
    NumberEntry(const NumberEntry&) = delete;
    NumberEntry& operator=(const NumberEntry&) = delete;

    // One character from a keypad button or the keyboard.
    void EnterCharacter(unsigned char c);
    // Every character typed in the main window: shifted A-T load the number
    // at that list position, anything else goes to EnterCharacter. While the
    // list shows only some contacts, `shownSlots` holds the slot of each of
    // the letters A-T, kNoSlot where no row carries it, and the letters go
    // by it instead.
    void CharacterHandler(unsigned char c, const ContactTable& table, const int* shownSlots = nullptr);
    // The Clear button and Escape: click, empty number, redraw.
    void Clear();

    const char* Number() const { return number_; }
    // Replaces the dial number, keeping at most what the buffer holds. A
    // pasted number counts as typed; one loaded from a contact does not.
    void SetNumber(const char* text, bool typed = false);
    // Whether the user is composing the number: it is not empty, was typed or
    // pasted rather than loaded, and the next key does not start a new one.
    bool Composing() const { return typed_ && number_[0] != '\0' && !replaceOnNextKey_; }

    const char* CalledParty() const { return calledParty_; }
    void SetCalledParty(const char* text);

    bool ReplaceOnNextKey() const { return replaceOnNextKey_; }
    void SetReplaceOnNextKey(bool replace) { replaceOnNextKey_ = replace; }

private:
    DialPadHost& host_;
    char number_[kDialNumberSize] = {};
    char calledParty_[kCalledPartySize] = {};
    bool replaceOnNextKey_ = false;
    bool typed_ = false;
};
