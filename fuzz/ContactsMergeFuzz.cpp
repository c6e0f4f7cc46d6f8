// Whatever the other side wrote, this run's changes replayed onto it: the
// first bytes choose a log of calls, adds, edits and deletes (of the file's
// own records or of a few others), the rest is the file. Every call counted
// and every contact added must be in the result, and nothing the other side
// wrote may be lost but what this run deleted or edited as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "contacts/ChangeLog.h"
#include "contacts/ContactsFile.h"

namespace {

constexpr int kMaxChanges = 40;
constexpr std::int64_t kSmall = 100000000;  // sums of such counts stay in 32 bits

// Stops the run, which the fuzzer reports, when a property does not hold.
void Require(bool condition) {
    if (!condition) std::abort();
}

// One of the file's records, or one of a few contacts it may lack.
const Contact& Pick(const ContactTable& file, std::uint8_t choice) {
    static Contact others[] = {
        {"Ann", "555 1234", 3}, {"Bob", "(555) 1234", 0}, {"Cy", "", 7}, {"Ann", "9", 1}};
    if (choice < 128 && file.count > 0) return file.slots[choice % file.count];
    return others[choice % 4];
}

// How many records have this name and number.
int CountSame(const ContactTable& table, const char* name, const char* number) {
    int n = 0;
    for (int s = 0; s < table.count; ++s) {
        n += std::strcmp(table.slots[s].name, name) == 0 && std::strcmp(table.slots[s].number, number) == 0;
    }
    return n;
}

// The sum of the call counts with these digits, and whether each is small.
std::int64_t CallsWith(const ContactTable& table, const DigitKey& key, bool& small) {
    std::int64_t sum = 0;
    for (int s = 0; s < table.count; ++s) {
        if (!(DigitKey(table.slots[s].number) == key)) continue;
        sum += table.slots[s].calls;
        small = small && table.slots[s].calls < kSmall && table.slots[s].calls > -kSmall;
    }
    return sum;
}

// Whether a change edited or deleted a contact with these digits, or made one.
bool Reshaped(const ChangeLog& log, const DigitKey& key) {
    for (int i = 0; i < log.Count(); ++i) {
        const ChangeEntry& e = log.At(i);
        if ((e.change == Change::kEdit || e.change == Change::kDelete) &&
            (DigitKey(e.before.number) == key || DigitKey(e.after.number) == key)) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* file = new ContactTable;  // kept between runs: 150 KB each
    static auto* merged = new ContactTable;
    static auto* log = new ChangeLog;
    if (size < 1) return 0;
    const std::size_t changes = data[0] % (kMaxChanges + 1);
    if (size < 1 + 3 * changes) return 0;
    *file = ContactTable();
    ContactsFile::ParseText(reinterpret_cast<const char*>(data + 1 + 3 * changes), size - 1 - 3 * changes,
                            *file);
    log->Clear();
    for (std::size_t i = 0; i < changes; ++i) {
        const std::uint8_t* c = data + 1 + 3 * i;
        const Contact& one = Pick(*file, c[1]);
        switch (c[0] % 4) {
            case 0: log->Call(one.name, one.number); break;
            case 1: log->Add(one); break;
            case 2: log->Edit(one, Pick(*file, c[2])); break;
            default: log->Delete(one); break;
        }
    }
    *merged = *file;
    const int waiting = log->ReplayOnto(*merged);
    int flagged = 0;
    for (int i = 0; i < log->Count(); ++i) flagged += log->At(i).waiting;
    Require(merged->count >= 0 && merged->count <= kMaxContacts);
    Require(flagged == waiting && (waiting == 0 || merged->IsFull()));

    // The other side's records stay, but those this run deleted or edited.
    for (int s = 0; s < file->count; ++s) {
        const Contact& record = file->slots[s];
        int taken = 0;
        for (int i = 0; i < log->Count(); ++i) {
            const ChangeEntry& e = log->At(i);
            taken += e.change >= Change::kEdit && std::strcmp(e.before.name, record.name) == 0 &&
                     std::strcmp(e.before.number, record.number) == 0;
        }
        Require(CountSame(*merged, record.name, record.number) >=
                CountSame(*file, record.name, record.number) - taken);
    }

    // An edit's result stays, unless a change deleted or edited it again.
    for (int i = 0; i < log->Count(); ++i) {
        const ChangeEntry& e = log->At(i);
        if (e.change != Change::kEdit || e.waiting) continue;
        int taken = 0;
        for (int j = 0; j < log->Count(); ++j) {
            const ChangeEntry& later = log->At(j);
            taken += later.change >= Change::kEdit && std::strcmp(later.before.name, e.after.name) == 0 &&
                     std::strcmp(later.before.number, e.after.number) == 0;
        }
        Require(taken > 0 || CountSame(*merged, e.after.name, e.after.number) > 0);
    }

    // Where nothing was edited or deleted, every call and every added
    // contact's calls are in the sum of the counts with those digits.
    for (int i = 0; i < log->Count(); ++i) {
        const ChangeEntry& e = log->At(i);
        const LoggedContact& added = e.change == Change::kCall ? e.before : e.after;
        const DigitKey key(added.number);
        if (e.change > Change::kAdd || e.waiting || Reshaped(*log, key)) continue;
        Require(merged->FindByDigitKey(key) != kNoSlot);
        bool small = true;
        std::int64_t expected = CallsWith(*file, key, small);
        for (int j = 0; j < log->Count(); ++j) {
            const ChangeEntry& other = log->At(j);
            const bool call = other.change == Change::kCall;
            if ((!call && other.change != Change::kAdd) ||
                !(DigitKey((call ? other.before : other.after).number) == key)) {
                continue;
            }
            const std::int32_t calls = call ? 1 : other.after.calls;
            expected += calls;
            small = small && !other.waiting && calls < kSmall &&
                    calls > -kSmall;  // one still waiting did not count
        }
        if (small) Require(CallsWith(*merged, key, small) == expected);
    }
    return 0;
}
