#include "import/AddressBookImport.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

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

// The UTF-8 bytes of one code point.
std::size_t PutUtf8(unsigned long code, char* out) {
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<char>(0xC0 | code >> 6);
        out[1] = static_cast<char>(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = static_cast<char>(0xE0 | code >> 12);
        out[1] = static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out[2] = static_cast<char>(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | code >> 18);
    out[1] = static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out[2] = static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out[3] = static_cast<char>(0x80 | (code & 0x3F));
    return 4;
}

// UTF-16 text after its byte-order mark as UTF-8, up to a zero character;
// a surrogate without its partner becomes U+FFFD. `out` holds three bytes
// for each two of the text.
std::size_t Utf16ToUtf8(const char* text, std::size_t size, bool bigEndian, char* out) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const auto unit = [&](std::size_t i) -> unsigned long {
        return bigEndian ? bytes[i] << 8 | bytes[i + 1] : bytes[i + 1] << 8 | bytes[i];
    };
    std::size_t n = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        unsigned long code = unit(i);
        if (code == 0) break;
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < size && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        n += PutUtf8(code, out + n);
    }
    return n;
}

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
    // Notepad's "Unicode" and some exports are UTF-16: read as its UTF-8,
    // which the readers and the code-page conversion know already.
    const bool littleEndian = size >= 2 && std::memcmp(data, "\xFF\xFE", 2) == 0;
    if (littleEndian || (size >= 2 && std::memcmp(data, "\xFE\xFF", 2) == 0)) {
        const std::size_t units = (size - 2) / 2;
        if (units > (static_cast<std::size_t>(-1) - 1) / 3) return ImportResult::kUnreadable;
        std::unique_ptr<char[]> text(new (std::nothrow) char[units * 3 + 1]);
        if (text == nullptr) return ImportResult::kUnreadable;
        const std::size_t length = Utf16ToUtf8(data + 2, size - 2, !littleEndian, text.get());
        return ImportAddressBook(text.get(), length, kind, table, host, counts);
    }
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
