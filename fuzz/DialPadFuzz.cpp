// Typed characters, keypad clicks, speed-dial letters, Clear and copied
// numbers in any order: the dial number must end inside its buffer, typing
// must never take it past 28 characters, and the display line must hold its
// right-aligned tail in exactly 29 positions. Contact fields the dialogs
// accept must come back unchanged after a save and a reload.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "contacts/ContactsFile.h"
#include "contacts/FieldRules.h"
#include "dialpad/DisplayLayout.h"
#include "dialpad/NumberEntry.h"

namespace {

constexpr char kKeypad[] = "0123456789*#";
// A stored number may fill its whole field, longer than the dial number.
constexpr std::size_t kStoredNumberMax = kNumberSize - 1;
constexpr std::size_t kDialNumberMax = kDialNumberSize - 1;
constexpr int kFewContacts = 4;

void Require(bool holds) {
    if (!holds) std::abort();
}

// Yes or No to the too-long question comes from the input.
class Host final : public DialPadHost {
public:
    explicit Host(FuzzedDataProvider& input) : input_(input) {}
    void PlayKeySound(int) override {}
    void FocusControl(int) override {}
    bool AskYesNo(const char*, const char*) override { return input_.ConsumeBool(); }
    void RedrawDisplay() override {}

private:
    FuzzedDataProvider& input_;
};

void RequireDisplayLine(const char* number) {
    const DisplayLine line = BuildDisplayLine(number);
    Require(std::memchr(line.text, '\0', sizeof line.text) == line.text + kDisplayPositions);
    const std::size_t length = std::strlen(number);
    const std::size_t shown = length < kDisplayPositions ? length : kDisplayPositions;
    const std::size_t blanks = kDisplayPositions - shown;
    Require(std::strspn(line.text, " ") >= blanks);
    Require(std::memcmp(line.text + blanks, number + length - shown, shown) == 0);
    // Every drawn position copies a whole cell from the strip picture.
    for (int position = kFirstDrawnPosition; position < kDisplayPositions; ++position) {
        const int x = GlyphSourceX(line.text[position]);
        Require(x >= 0 && x + kGlyphWidth <= kStripWidth);
    }
}

// What a copy into the dial number keeps of a longer text.
std::string Kept(const char* text) {
    return std::string(text).substr(0, kDialNumberMax);
}

void AddContact(ContactTable& table, const std::string& name, const std::string& number, std::int32_t calls) {
    Contact& contact = table.slots[table.count++];
    std::strncpy(contact.name, name.c_str(), sizeof contact.name - 1);
    std::strncpy(contact.number, number.c_str(), sizeof contact.number - 1);
    contact.calls = calls;
}

bool Append(void* sink, const char* bytes, std::size_t length) {
    static_cast<std::string*>(sink)->append(bytes, length);
    return true;
}

void RequireSavedAsIs(const ContactTable& saved) {
    static ContactTable* reread = new ContactTable;  // kept between runs: 150 KB
    *reread = ContactTable();
    std::string text;
    Require(ContactsFile::Format(saved, Append, &text));
    ContactsFile::ParseText(text.data(), text.size(), *reread);
    Require(reread->count == saved.count);
    for (int s = 0; s < saved.count; ++s) {
        Require(std::strcmp(reread->slots[s].name, saved.slots[s].name) == 0);
        Require(std::strcmp(reread->slots[s].number, saved.slots[s].number) == 0);
        Require(reread->slots[s].calls == saved.slots[s].calls);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ContactTable* speedDial = new ContactTable;  // kept between runs, as reread
    static ContactTable* saved = new ContactTable;
    *speedDial = ContactTable();
    *saved = ContactTable();
    FuzzedDataProvider input(data, size);
    Host host(input);
    NumberEntry entry(host);

    while (input.remaining_bytes() > 0) {
        const std::string before = entry.Number();
        bool typed = false;
        switch (input.ConsumeIntegralInRange(0, 7)) {
            case 0: {
                const auto c = input.ConsumeIntegral<unsigned char>();
                entry.CharacterHandler(c, *speedDial);
                typed = c < 'A' || c > 'T';
                break;
            }
            case 1:
                entry.EnterCharacter(kKeypad[input.ConsumeIntegralInRange(0, 11)]);
                typed = true;
                break;
            case 2: {
                const int position = input.ConsumeIntegralInRange(0, 19);
                entry.CharacterHandler(static_cast<unsigned char>('A' + position), *speedDial);
                const int slot = speedDial->SpeedDialSlot(position);
                Require(entry.Number() == (slot == kNoSlot ? before : Kept(speedDial->slots[slot].number)));
                break;
            }
            case 3:
                entry.Clear();
                Require(entry.Number()[0] == '\0');
                break;
            case 4: {
                const std::string copied = input.ConsumeRandomLengthString(kStoredNumberMax);
                entry.SetNumber(copied.c_str());
                Require(entry.Number() == Kept(copied.c_str()));
                break;
            }
            case 5: entry.SetReplaceOnNextKey(true); break;
            case 6:
                if (speedDial->count < kFewContacts) {
                    AddContact(*speedDial, "", input.ConsumeRandomLengthString(kStoredNumberMax), 0);
                }
                break;
            case 7: {
                const std::string name = input.ConsumeRandomLengthString(kNameFieldLimit + 8);
                const std::string number = input.ConsumeRandomLengthString(kNumberFieldLimit + 8);
                const auto calls = input.ConsumeIntegral<std::int32_t>();
                if (saved->count < kFewContacts &&
                    CheckContactFields(name.c_str(), number.c_str()) == FieldProblem::kNone) {
                    AddContact(*saved, name, number, calls);
                }
                break;
            }
        }
        Require(std::memchr(entry.Number(), '\0', kDialNumberSize) != nullptr);
        const std::size_t length = std::strlen(entry.Number());
        if (typed) {
            // One character at most, and none once a copy made it too long.
            Require(length <= before.size() + 1);
            Require(length <= static_cast<std::size_t>(kDialNumberMaxTyped) || length <= before.size());
        }
        RequireDisplayLine(entry.Number());
    }
    if (saved->count > 0) RequireSavedAsIs(*saved);
    return 0;
}
