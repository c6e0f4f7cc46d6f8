#include "import/AddressBookImport.h"

#include <cstdio>
#include <cstring>

#include "import/AddressBookReaders.h"

namespace {

// The name after its last folder separator.
const char* WithoutFolder(const char* path) {
    const char* name = path;
    for (const char* c = path; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '/') name = c + 1;
    }
    return name;
}

// Builds the summary piece by piece. When a piece does not fit, the text
// goes back to the last piece after which "..." still fits, and ends there.
class SummaryText {
public:
    SummaryText(char* out, std::size_t size) : out_(out), size_(size) {
        if (size_ > 0) out_[0] = '\0';
    }

    void Append(const char* piece) {
        if (ended_ || size_ == 0) return;
        const std::size_t length = std::strlen(piece);
        if (used_ + length < size_) {
            std::memcpy(out_ + used_, piece, length + 1);
            used_ += length;
            if (used_ + kEllipsisLength < size_) safe_ = used_;
            return;
        }
        ended_ = true;
        const std::size_t room = size_ - 1 - safe_;
        const std::size_t n = room < kEllipsisLength ? room : kEllipsisLength;
        std::memcpy(out_ + safe_, "...", n);
        out_[safe_ + n] = '\0';
    }

    void AppendLine(const char* format, int count) {
        char line[64];
        std::snprintf(line, sizeof line, format, count);
        if (used_ > 0) Append("\n");
        Append(line);
    }

    void AppendFiles(const char* singular, const char* plural, const char* const* paths, int count) {
        if (count <= 0 || paths == nullptr) return;
        if (used_ > 0) Append("\n");
        Append(count == 1 ? singular : plural);
        for (int i = 0; i < count; ++i) {
            Append(i == 0 ? " " : ", ");
            Append(WithoutFolder(paths[i]));
        }
    }

private:
    static constexpr std::size_t kEllipsisLength = 3;

    char* out_;
    std::size_t size_;
    std::size_t used_ = 0;
    std::size_t safe_ = 0;
    bool ended_ = false;
};

}  // namespace

AddressBookKind KindOfPath(const char* path) {
    const char* dot = path != nullptr ? std::strrchr(path, '.') : nullptr;
    if (dot == nullptr) return AddressBookKind::kNone;
    if (CompareNoCase(dot, ".vcf") == 0) return AddressBookKind::kVCard;
    if (CompareNoCase(dot, ".csv") == 0) return AddressBookKind::kCsv;
    return AddressBookKind::kNone;
}

ImportResult ImportAddressBook(const char* data, std::size_t size, AddressBookKind kind, ContactTable& table,
                               ImportHost& host, ImportCounts& counts) {
    if (data == nullptr) size = 0;
    // A zero byte ends the text, as it ends the contacts file's.
    if (const void* zero = size > 0 ? std::memchr(data, '\0', size) : nullptr) {
        size = static_cast<std::size_t>(static_cast<const char*>(zero) - data);
    }
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
        data += 3;
        size -= 3;
    }
    ImportEntry entry(host, table, counts);
    switch (kind) {
        case AddressBookKind::kVCard: return ReadVCards(data, size, entry);
        case AddressBookKind::kCsv: return ReadCsv(data, size, entry);
        default: return ImportResult::kNotAnAddressBook;
    }
}

void FormatImportSummary(const ImportCounts& counts, const char* const* unreadableFiles, int unreadableCount,
                         const char* const* notAddressBooks, int notAddressBookCount, char* out,
                         std::size_t outSize) {
    SummaryText text(out, outSize);
    text.AppendLine(counts.added == 1 ? "%d contact added." : "%d contacts added.", counts.added);
    if (counts.alreadyThere > 0) {
        text.AppendLine(
            counts.alreadyThere == 1 ? "%d was already in the list." : "%d were already in the list.",
            counts.alreadyThere);
    }
    if (counts.withoutNumber > 0) text.AppendLine("%d had no phone number.", counts.withoutNumber);
    if (counts.didNotFit > 0) text.AppendLine("%d did not fit.", counts.didNotFit);
    text.AppendFiles("Could not read:", "Could not read:", unreadableFiles, unreadableCount);
    text.AppendFiles("Not an address book:", "Not address books:", notAddressBooks, notAddressBookCount);
}
