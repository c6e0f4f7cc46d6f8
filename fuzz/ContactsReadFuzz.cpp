// Any bytes as contacts.txt: the reader must not crash, and every slot's
// texts must end inside their fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "contacts/ContactsFile.h"

namespace {

void RequireTerminated(const char* field, std::size_t size) {
    if (std::memchr(field, '\0', size) == nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ContactTable* table = new ContactTable;  // kept between runs: 150 KB
    *table = ContactTable();
    ContactsFile::ParseText(reinterpret_cast<const char*>(data), size, *table);
    if (table->count < 0 || table->count > kMaxContacts) std::abort();
    for (int s = 0; s < kMaxContacts; ++s) {
        RequireTerminated(table->slots[s].name, sizeof table->slots[s].name);
        RequireTerminated(table->slots[s].number, sizeof table->slots[s].number);
        // Read never fills a field past what a record line can give.
        if (std::strlen(table->slots[s].name) > 50 || std::strlen(table->slots[s].number) > 28) std::abort();
        if (s >= table->count && (table->slots[s].name[0] != '\0' || table->slots[s].number[0] != '\0')) {
            std::abort();
        }
    }
    table->Compact();
    table->Reorder();
    return 0;
}
