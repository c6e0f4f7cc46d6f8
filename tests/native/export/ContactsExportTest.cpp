#include <gtest/gtest.h>

#include <string>

#include "Latin1ExportHost.h"
#include "export/ContactsExport.h"
#include "tests/common/ContactsText.h"
#include "tests/common/FileBytes.h"
#include "tests/common/Latin1ImportHost.h"
#include "tests/native/contacts/TestHost.h"
#include "tests/common/ScratchDirectory.h"

namespace {

std::string Exported(const ContactTable& table, AddressBookKind kind) {
    Latin1ExportHost host;
    std::string text;
    auto append = [](void* sink, const char* bytes, std::size_t length) {
        static_cast<std::string*>(sink)->append(bytes, length);
        return true;
    };
    return FormatExport(table, kind, host, append, &text) ? text : "<failed>";
}

TEST(Export, WritesCardsAndRowsEscapedAndQuoted) {
    auto table = Parsed(
        "[PhoneNumbers]\r\n Ann  Marie Lee , 555 0100, -1\r\nLee \"Al\"; a\\b, 1;2, 2\r\nBo, 3, 5\r\n");
    const std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Tollwick//Tollwick Export//EN\r\nFN:";
    EXPECT_EQ(
        Exported(*table, AddressBookKind::kVCard),
        card +
            " Ann  Marie Lee \r\nN:Lee;Ann  Marie;;;\r\nTEL;TYPE=VOICE:555 0100\r\nX-TOLLWICK-CALLS:-1\r\n" +
            "END:VCARD\r\n" + card + "Lee \"Al\"\\; a\\\\b\r\nN:a\\\\b;Lee \"Al\"\\;;;;\r\n" +
            "TEL;TYPE=VOICE:1\\;2\r\nX-TOLLWICK-CALLS:2\r\nEND:VCARD\r\n" + card +
            "Bo\r\nN:;Bo;;;\r\nTEL;TYPE=VOICE:3\r\nX-TOLLWICK-CALLS:5\r\nEND:VCARD\r\n");
    EXPECT_EQ(Exported(*table, AddressBookKind::kCsv),
              "\xEF\xBB\xBFName,Phone 1 - Value,Calls\r\n Ann  Marie Lee ,555 0100,-1\r\n"
              "\"Lee \"\"Al\"\"; a\\b\",1;2,2\r\nBo,3,5\r\n");
}

// What the contact dialogs accept comes back from the import unchanged (with
// no calls, which it does not read yet), and no vCard line is longer than 75
// octets or splits a character.
TEST(Export, TheImportReadsBackEveryNameAndNumber) {
    std::string records =
        "[PhoneNumbers]\r\n" + std::string(50, 'N') + ", " + std::string(28, '5') +
        "\r\nLee; \"Al\" \\ O'Neil, +1 (555) 0100\r\nJ\xF6rg M\xFCller, #31#(0)555.0102\r\nx";
    for (int i = 0; i < 49; ++i) records += "\xC9\xE8\xF6\xFC\xE5\xDF\xF1"[i % 7];
    auto table = Parsed(records + ", *31#555-0101\r\n");
    const std::string folded =
        Exported(*Parsed("[PhoneNumbers]\r\n" + std::string(50, '\x80') + ", 1"), AddressBookKind::kVCard) +
        Exported(*table, AddressBookKind::kVCard);
    for (std::size_t at = 0, end; (end = folded.find("\r\n", at)) != std::string::npos; at = end + 2) {
        EXPECT_LE(end - at, 75u) << folded.substr(at, end - at);
        EXPECT_FALSE(folded[at] == ' ' && (folded[at + 1] & 0xC0) == 0x80) << folded.substr(at, 80);
    }
    for (auto kind : {AddressBookKind::kVCard, AddressBookKind::kCsv}) {
        const std::string text = Exported(*table, kind);
        ContactTable back;
        Latin1ImportHost host;
        ImportCounts counts{};
        ImportAddressBook(text.data(), text.size(), kind, back, host, counts);
        EXPECT_EQ(Formatted(back), Formatted(*table)) << text;
    }
}

TEST(ExportFile, IsReplacedOnlyOnceTheNewOneIsOnTheDisk) {
    ScratchDirectory scratch;
    ASSERT_TRUE(scratch.ready);
    auto table = Parsed("[PhoneNumbers]\r\nAnn, 1, 3\r\n");
    Latin1ExportHost text;
    for (int failure = 0; failure < 4; ++failure) {
        WriteFileBytes("book.vcf", "old");
        TestHost files;
        files.failFlush = failure == 0;
        files.failReplace = failure == 1;
        const auto kind = failure == 2 ? AddressBookKind::kNone : AddressBookKind::kCsv;
        EXPECT_FALSE(ExportContacts(*table, kind, failure == 3 ? "none/book.vcf" : "book.vcf", text, files));
        EXPECT_EQ(ReadFileBytes("book.vcf"), "old");
        EXPECT_NE(access("book.vcf.new", F_OK), 0);
    }
    TestHost files;
    EXPECT_TRUE(ExportContacts(*table, AddressBookKind::kVCard, "book.vcf", text, files));
    EXPECT_EQ(files.steps + ReadFileBytes("book.vcf"),
              "flush replace " + Exported(*table, AddressBookKind::kVCard));
}

}  // namespace
