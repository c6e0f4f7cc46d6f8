// Any bytes as a dropped address book. The first byte picks the reader
// (bit 0: vCard or CSV), a double-byte code page (bit 1) and a list that
// is nearly full already (bit 2). Every contact added must pass the
// dialogs' field rule and come back byte for byte from the contacts file;
// the list never holds more than 500, the counts add up, the same file
// dropped a second time adds nothing, and only a file that may be
// Tollwick's own export gives calls, never more than 999999999.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "contacts/ContactsFile.h"
#include "contacts/FieldRules.h"
#include "import/AddressBookImport.h"
#include "tests/common/Latin1ImportHost.h"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

// The shared Latin-1 host, which decodes UTF-8 loosely as a converter given
// bad input might, checking what the reader asks of it.
class Host final : public Latin1ImportHost {
public:
    int ToAnsi(const char* charset, const char* text, int length, char* out, int outSize) override {
        Require(length >= 0 && outSize > 0);
        return Latin1ImportHost::ToAnsi(charset, text, length, out, outSize);
    }
};

bool Append(void* sink, const char* bytes, std::size_t length) {
    static_cast<std::string*>(sink)->append(bytes, length);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static ContactTable* table = new ContactTable;  // kept between runs: 150 KB
    static ContactTable* reread = new ContactTable;
    *table = ContactTable();
    const int stored = (data[0] & 4) != 0 ? kMaxContacts - 2 : 1;
    for (int s = 0; s < stored; ++s) {
        std::snprintf(table->slots[s].name, kNameSize, "P%d", s);
        std::snprintf(table->slots[s].number, kNumberSize, "%d", 100 + s);
    }
    table->count = stored;

    Host host;
    host.doubleByte = (data[0] & 2) != 0;
    ImportCounts counts{};
    const AddressBookKind kind = (data[0] & 1) != 0 ? AddressBookKind::kCsv : AddressBookKind::kVCard;
    const ImportResult result =
        ImportAddressBook(reinterpret_cast<const char*>(data + 1), size - 1, kind, *table, host, counts);

    Require(table->count >= stored && table->count <= kMaxContacts);
    Require(counts.added == table->count - stored);
    Require(counts.alreadyThere >= 0 && counts.withoutNumber >= 0 && counts.didNotFit >= 0);
    if (result != ImportResult::kImported) {
        Require(counts.added == 0 && counts.alreadyThere == 0 && counts.withoutNumber == 0 &&
                counts.didNotFit == 0);
    }
    // A CSV file gives calls only with Tollwick's own header row, in UTF-8 or
    // UTF-16; a vCard card's PRODID may be folded or encoded past finding.
    const std::string file(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool utf16 = file.compare(0, 2, "\xFF\xFE") == 0 || file.compare(0, 2, "\xFE\xFF") == 0;
    const bool mayHaveCalls =
        kind == AddressBookKind::kVCard || utf16 || file.find("Name,Phone 1 - Value,Calls") <= 3;
    for (int s = stored; s < table->count; ++s) {
        const Contact& contact = table->slots[s];
        Require(CheckContactFields(contact.name, contact.number) == FieldProblem::kNone);
        Require(contact.name[0] != '\0' && std::strpbrk(contact.number, "0123456789") != nullptr);
        Require(contact.calls >= 0 && contact.calls <= 999999999 && (mayHaveCalls || contact.calls == 0));
    }

    // The same file dropped again adds nothing.
    ImportCounts again{};
    ImportAddressBook(reinterpret_cast<const char*>(data + 1), size - 1, kind, *table, host, again);
    Require(again.added == 0);

    std::string text;
    Require(ContactsFile::Format(*table, Append, &text));
    *reread = ContactTable();
    ContactsFile::ParseText(text.data(), text.size(), *reread);
    Require(reread->count == table->count);
    for (int s = 0; s < table->count; ++s) {
        Require(std::strcmp(reread->slots[s].name, table->slots[s].name) == 0);
        Require(std::strcmp(reread->slots[s].number, table->slots[s].number) == 0);
        Require(reread->slots[s].calls == table->slots[s].calls);
    }

    // The summary of this file, with its own bytes as a file name, in a
    // buffer of any size up to 300.
    const std::string name = file.substr(0, 40);
    const char* names[] = {name.c_str(), "C:\\drop\\book.csv"};
    char summary[300];
    const std::size_t summarySize = data[size - 1] + 45u;
    FormatImportSummary(counts, names, 2, names, 1, summary, summarySize);
    Require(std::memchr(summary, '\0', summarySize) != nullptr);
    return 0;
}
