#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "contacts/FieldRules.h"
#include "import/AddressBookImport.h"
#include "tests/common/ContactsText.h"
#include "tests/common/Latin1ImportHost.h"

namespace {

using FakeHost = Latin1ImportHost;

struct Imported {
    ImportResult result;
    std::string contacts;  // "name|number", "|calls" if any, each; ", " between, in slot order
    std::string counts;    // added/alreadyThere/withoutNumber/didNotFit
};

// Imports into `table` and checks what every contact file line needs: the
// fields pass the dialogs' rule and come back unchanged from the file.
Imported Import(const std::string& text, AddressBookKind kind, ContactTable& table, FakeHost& host,
                ImportCounts& counts) {
    const int before = table.count;
    Imported imported{ImportAddressBook(text.data(), text.size(), kind, table, host, counts), "", ""};
    auto reread = Parsed(Formatted(table));
    EXPECT_EQ(reread->count, table.count);
    for (int s = before; s < table.count; ++s) {
        const Contact& c = table.slots[s];
        EXPECT_EQ(CheckContactFields(c.name, c.number), FieldProblem::kNone) << c.name << "|" << c.number;
        EXPECT_STREQ(reread->slots[s].name, c.name);
        EXPECT_STREQ(reread->slots[s].number, c.number);
        EXPECT_EQ(reread->slots[s].calls, c.calls);
        imported.contacts += std::string(s > before ? ", " : "") + c.name + "|" + c.number +
                             (c.calls != 0 ? "|" + std::to_string(c.calls) : "");
    }
    imported.counts = std::to_string(counts.added) + "/" + std::to_string(counts.alreadyThere) + "/" +
                      std::to_string(counts.withoutNumber) + "/" + std::to_string(counts.didNotFit);
    return imported;
}

Imported Import(const std::string& text, AddressBookKind kind, bool doubleByte = false) {
    auto table = std::make_unique<ContactTable>();
    FakeHost host;
    host.doubleByte = doubleByte;
    ImportCounts counts{};
    return Import(text, kind, *table, host, counts);
}

std::string Card(const std::string& body) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + body + "END:VCARD\r\n";
}

// The text with a byte-order mark, in either byte order.
std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(KindOfPath, GoesByTheExtensionInAnyCase) {
    const struct {
        const char* path;
        AddressBookKind kind;
    } cases[] = {{"a.vcf", AddressBookKind::kVCard},
                 {"C:\\x.y\\B.VcF", AddressBookKind::kVCard},
                 {"book.CSV", AddressBookKind::kCsv},
                 {"book.csv.txt", AddressBookKind::kNone},
                 {"C:\\folder.csv\\book", AddressBookKind::kNone},
                 {"vcf", AddressBookKind::kNone},
                 {"a.vcfx", AddressBookKind::kNone},
                 {"", AddressBookKind::kNone}};
    for (const auto& c : cases) EXPECT_EQ(KindOfPath(c.path), c.kind) << c.path;
    EXPECT_EQ(KindOfPath(nullptr), AddressBookKind::kNone);
}

TEST(VCard, ContentLinesParametersAndValues) {
    const struct {
        std::string text, contacts;
    } cases[] = {
        // Folded lines, LF line ends, a fold inside the property name.
        {Card("FN:Ann\n  Lee\nTE\n\tL:555\n 0100\n"), "Ann Lee|5550100"},
        // Groups, any case; the types that tell numbers apart, in order, and
        // a counter where they do not.
        {Card(
             "item1.fn:Ann\r\nitem1.tel;type=PREF;Type=Cell:1\r\nTEL;TYPE=voice,x-main,HOME:2\r\n"
             "TEL;8BIT;WORK;VOICE:3\r\nTEL;TYPE=\"voice,WORK\",FAX:4\r\nTEL;TYPE=pref:5\r\nTEL;HOME;FAX:6\r\n"
             "TEL;type=home:7\r\n"),
         "Ann (cell)|1, Ann (home)|2, Ann (work)|3, Ann (work fax)|4, Ann (5)|5, Ann (home fax)|6, Ann (home "
         "2)|7"},
        {Card("FN:A\r\nTEL;LABEL=\"Desk: 2\";TYPE=work:555\r\n"), "A|555"},
        {Card("FN:Lee\\, Ann \\\\ Co\\NLtd\\;\r\nTEL:1\r\n"), "Lee Ann \\ Co Ltd;|1"},
        {Card("ORG:Acme\r\nN:Lee;Ann;;Dr.;\r\nFN:\r\nN:Other;Al\r\nTEL:1\r\n"), "Ann Lee|1"},
        {Card("ORG:Acme\\; Sons;Sales\r\nTEL:1\r\n"), "Acme; Sons|1"},
        {Card("FN:Bo\r\nTEL;VALUE=uri;TYPE=cell:tel:+1-555-555-0100;ext=7\r\nTEL:TEL:%2B44%2020\r\n"),
         "Bo (cell)|+1-555-555-0100, Bo (2)|+44 20"},
        // Quoted-printable: soft line breaks, the charset, and lines of a
        // property no contact takes joined too.
        {Card("N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BC=\r\nller;J=C3=B6rg\r\n"
              "NOTE;QUOTED-PRINTABLE:call=\r\nTEL:999\r\nTEL:1\r\n"),
         "J\xF6rg M\xFCller|1"},
        {Card("FN;ENCODING=b:QUI=\r\nFN:Bo\r\nTEL:1\r\n"), "Bo|1"},  // "=" joins quoted-printable only
        // UTF-16: a character past Latin-1, past 16 bits or half of one shows as
        // "?"; a zero character ends the text.
        {Utf16(u"BEGIN:VCARD\r\nFN:J\u00F6rg \u20AC\U0001F600\xD800x\r\nTEL:1\r\n" + std::u16string(1, 0) +
                   u"TEL:2\r\nEND:VCARD\r\n",
               false),
         "J\xF6rg ???x|1"},
        // A card left open ends where the next begins; lines outside a card are
        // not read.
        {"TEL:7\r\nBEGIN:VCARD\r\nFN:A\r\nTEL:1\r\nbegin:vcard\r\nFN:B\r\nTEL:2\r\nEND:VCARD\r\nTEL:3\r\n"
         "END:VCARD\r\nBEGIN:VCARD\r\nTEL:4",
         "A|1, B|2, 4|4"},
    };
    for (const auto& c : cases) {
        const Imported imported = Import(c.text, AddressBookKind::kVCard);
        EXPECT_EQ(imported.result, ImportResult::kImported) << c.text;
        EXPECT_EQ(imported.contacts, c.contacts) << c.text;
    }
    EXPECT_EQ(Import("FN:Ann\r\nTEL:1\r\nBEGIN:VCALENDAR\r\n", AddressBookKind::kVCard).result,
              ImportResult::kNotAnAddressBook);
}

TEST(Csv, RecordsAndColumns) {
    const struct {
        std::string text, contacts;
    } cases[] = {
        {"\xEF\xBB\xBFName,Mobile Phone\r\nAnn,1\r\n", "Ann|1"},
        {"Name,Phone\nAnn,1\n", "Ann|1"},  // a hand-made file's bare "Phone"
        {"\r\n\nName;Phone\nAnn;1\n", "Ann|1"},
        {Utf16(u"Name;Mobile Phone\r\nM\u00FCller;1\r\n", true), "M\xFCller|1"},
        {"Name\tMobile Phone\nAnn, Lee\t1\n", "Ann Lee|1"},
        {"\"A;B;C;D\",Name,Mobile Phone\nx;y,Ann,1\n", "Ann|1"},           // quoted separators do not count
        {std::string("Name,Mobile Phone\nAnn,1\n\0Bo,2\n", 30), "Ann|1"},  // a zero byte ends the text
        {" name ,MOBILE PHONE\r\n\"Lee, \"\"Al\"\" Ann\",\"555 0100\"\r\n", "Lee \"Al\" Ann|555 0100"},
        {"Name,Mobile Phone\r\n\"Ann\r\nLee\",1\rBo,2\nCy,3", "Ann Lee|1, Bo|2, Cy|3"},
        // The whole file decides its encoding: a cell alone could pass for UTF-8.
        {"Name,Mobile Phone\nM\xFCller,1\n\xC3\xA9,2\n", "M\xFCller|1, \xC3\xA9|2"},
        // Short and long records; blank ones are no contacts.
        {"Mobile Phone,x,Name\n1\n\n,,\n2,,Bo,extra,more\n", "1|1, Bo|2"},
        {"First Name,Middle Name,Last Name,Company,Home Phone 2,Car Phone\nAnn,,Lee,Acme,1,2\n,,,Acme,3,\n",
         "Ann Lee (home 2)|1, Ann Lee (car)|2, Acme|3"},
        {"Phone 2 - Value,Phone 1 - Type,Phone 1 - Value,Phone 2 - Label,Organization 1 - Name\n"
         "3,* Mobile,1 ::: 2,Work,Acme\n",
         "Acme (work)|3, Acme (mobile)|1, Acme (mobile 2)|2"},
        // A mail program's address book.
        {"First Name,Last Name,Display Name,Primary Email,Work Phone,Home Phone,Fax Number,Pager Number,"
         "Mobile Number,Organization\nAnn,Lee,Annie L,a@b.c,1,2,3,4,5,Acme\n,,,,,,,,9,Acme\n",
         "Annie L (work)|1, Annie L (home)|2, Annie L (fax)|3, Annie L (pager)|4, Annie L (mobile)|5, "
         "Acme|9"},
        // Outlook in other languages, in the code page or in UTF-8.
        {"Vorname,Nachname,Telefon gesch\xE4"
         "ftlich,Telefon gesch\xE4"
         "ftlich 2,Fax gesch\xE4"
         "ftlich,"
         "Telefon privat,Mobiltelefon,Weiteres Fax\nJ\xF6rg,M\xFCller,1,2,3,4,5,6\n",
         "J\xF6rg M\xFCller (gesch\xE4"
         "ftlich)|1, J\xF6rg M\xFCller (gesch\xE4"
         "ftlich 2)|2, "
         "J\xF6rg M\xFCller (fax gesch\xE4"
         "ftlich)|3, J\xF6rg M\xFCller (privat)|4, "
         "J\xF6rg M\xFCller (mobiltelefon)|5, J\xF6rg M\xFCller (weiteres fax)|6"},
        {"Pr\xC3\xA9nom;Nom;Soci\xC3\xA9t\xC3\xA9;T\xC3\xA9l\xC3\xA9phone (bureau);T\xC3\xA9l\xC3\xA9"
         "copie "
         "(bureau);T\xC3\xA9l. mobile;Telephone (domicile)\n;;Acme;1;2;3;4\n",
         "Acme (bureau)|1, Acme (t\xE9l\xE9"
         "copie bureau)|2, Acme (mobile)|3, Acme (domicile)|4"},
        {"Nombre,Apellidos,Tel\xE9"
         "fono del trabajo,Particular,M\xF3vil,Fax del trabajo\nAna,Ruiz,1,2,3,4\n",
         "Ana Ruiz (trabajo)|1, Ana Ruiz (particular)|2, Ana Ruiz (m\xF3vil)|3, Ana Ruiz (fax trabajo)|4"},
        {"Nome,Cognome,Societ\xE0,Ufficio,Abitazione,Cellulare,Fax (uff.)\nLia,Neri,Acme,1,2,3,4\n",
         "Lia Neri (ufficio)|1, Lia Neri (abitazione)|2, Lia Neri (cellulare)|3, Lia Neri (fax uff.)|4"},
        {"Voornaam,Achternaam,Bedrijf,Telefoon op werk,Telefoon thuis,Mobiele telefoon,Fax op "
         "werk\nAn,Vos,,1,2,3,4\n",
         "An Vos (werk)|1, An Vos (thuis)|2, An Vos (mobiel)|3, An Vos (fax werk)|4"},
        {"Nome,Sobrenome,Empresa,Telefone comercial,Telefone residencial,Telefone celular,Fax comercial\n"
         "Ana,Lima,,1,2,3,4\n",
         "Ana Lima (comercial)|1, Ana Lima (residencial)|2, Ana Lima (celular)|3, Ana Lima (fax "
         "comercial)|4"},
    };
    for (const auto& c : cases) {
        const Imported imported = Import(c.text, AddressBookKind::kCsv);
        EXPECT_EQ(imported.result, ImportResult::kImported) << c.text;
        EXPECT_EQ(imported.contacts, c.contacts) << c.text;
    }
    EXPECT_EQ(Import("Name,E-mail,Mobile Phone\n,a@b.c,\n", AddressBookKind::kCsv).counts, "0/0/1/0");
    for (const char* text : {"Name,E-mail,Phones,Account Number\nAnn,a@b.c,1,2\n", "", "\n\n"}) {
        const Imported imported = Import(text, AddressBookKind::kCsv);
        EXPECT_EQ(imported.result, ImportResult::kNotAnAddressBook) << text;
        EXPECT_EQ(imported.counts, "0/0/0/0") << text;
    }
}

// Each rule once, through cards: CSV cells take the same way.
TEST(ImportFieldRules, NamesAndNumbersBecomeWhatTheContactsFileKeeps) {
    const std::string a42(42, 'a'), a49(49, 'a');
    const struct {
        std::string body, contacts, counts;
    } cases[] = {
        {"FN:\\n #[ Ann,\tLee   Jr \r\nTEL:1\r\n", "Ann Lee Jr|1", "1/0/0/0"},
        {"FN:##\r\nORG:[Acme\r\nTEL:1\r\n", "Acme|1", "1/0/0/0"},
        {"TEL:#31#*555\r\n", "31#*555|#31#*555", "1/0/0/0"},
        {"TEL:1\r\nTEL;CELL:2\r\n", "1 (1)|1, 2 (cell)|2", "2/0/0/0"},  // no name: each its own number
        {"TEL:(555) 0100 ext.7 p2 ,\t9\r\n", "(555) 0100 .7 2 9|(555) 0100 .7 2 9", "1/0/0/0"},
        {"FN:A\r\nTEL:+1 555 555 0100 0100 0100 0100\r\nTEL:+" + std::string(28, '5') + "\r\nTEL:none\r\n",
         "A (1)|+15555550100010001000100", "1/0/0/1"},
        {"TEL:+1 555 555 0100 0100 0100 01\r\n", "+1 555 555 0100 0100 0100 01|+1 555 555 0100 0100 0100 01",
         "1/0/0/0"},
        {"FN:A\r\nTEL:-\r\n", "", "0/0/1/0"},
        {"FN:" + a49 + " bc\r\nTEL:1\r\n", a49 + "|1", "1/0/0/0"},
        {"FN:" + a42 + " bcdefgh\r\nTEL;CELL:1\r\nTEL:2\r\nTEL;WORK;FAX:3\r\nTEL;TYPE=work,fax:4\r\n",
         a42 + " (cell)|1, " + a42 + " bcd (2)|2, " + a42.substr(3) + " (work fax)|3, " + a42.substr(5) +
             " (work fax 2)|4",
         "4/0/0/0"},
        // UTF-8 converts; text that is not UTF-8 is the code page's already.
        {"FN:J\xC3\xB6rg \xE2\x82\xAC\r\nTEL:1\r\nTEL;TYPE=b\xC3\xBCro:2\r\n",
         "J\xF6rg ? (1)|1, J\xF6rg ? (b\xFCro)|2", "2/0/0/0"},
        {"FN:J\xF6rg\r\nTEL:1\r\n", "J\xF6rg|1", "1/0/0/0"},
        {"FN:\xC1\xA9\r\nTEL:1\r\n", "\xC1\xA9|1", "1/0/0/0"},  // an overlong "i"
        {"FN;CHARSET=ISO-8859-15:\xA4\xE9\r\nTEL:1\r\n", "?\xE9|1", "1/0/0/0"},
        {"FN;CHARSET=KOI8-R:\xF0\r\nTEL:1\r\n", "\xF0|1", "1/0/0/0"},
        // A longer value is cut, whole characters kept.
        {"FN:x" +
             [] {
                 std::string s;
                 for (int i = 0; i < 600; ++i) s += "\xC3\xA9";
                 return s;
             }() +
             "\r\nTEL:1\r\n",
         "x" + std::string(49, '\xE9') + "|1", "1/0/0/0"},
    };
    for (const auto& c : cases) {
        const Imported imported = Import(Card(c.body), AddressBookKind::kVCard);
        EXPECT_EQ(imported.contacts, c.contacts) << c.body;
        EXPECT_EQ(imported.counts, c.counts) << c.body;
    }
}

// Names are cut and types lower-cased only between characters of a
// double-byte code page.
TEST(ImportFieldRules, DoubleByteCharactersStayWhole) {
    std::string name = "a";
    for (int i = 0; i < 30; ++i) name += "\x81\x41";  // 0x41 is "A" alone, a second byte here
    // " (x..)" leaves 44 bytes: "a" and 21 characters, not half a 22nd.
    const std::string cut = name.substr(0, 1 + 2 * 21);
    const Imported imported = Import(Card("FN:" + name + "\r\nTEL;TYPE=X\x81\x41:1\r\nTEL;TYPE=XY:2\r\n"),
                                     AddressBookKind::kVCard, true);
    EXPECT_EQ(imported.contacts, cut + " (x\x81\x41)|1, " + cut + "\x81\x41 (xy)|2");
}

TEST(ImportCounts, DuplicatesAndTheFullListAreCountedNotStored) {
    auto table = std::make_unique<ContactTable>();
    std::strcpy(table->slots[0].name, "Bo");
    std::strcpy(table->slots[0].number, "(555) 0100");
    table->count = 1;
    FakeHost host;
    ImportCounts counts{};
    // Digits decide, spaces and signs not; numbers imported a card earlier
    // count as stored.
    Imported imported =
        Import(Card("FN:A\nTEL:555-0100\nTEL:+1 2\nTEL:12\n") + Card("FN:B\nTEL:1-2\nTEL:3\n"),
               AddressBookKind::kVCard, *table, host, counts);
    EXPECT_EQ(imported.contacts, "A (2)|+1 2, B (2)|3");
    EXPECT_EQ(imported.counts, "2/3/0/0");

    // The counts go on over the files of a drop; a file that is no address
    // book adds nothing to them.
    EXPECT_EQ(Import("Name\nAnn\n", AddressBookKind::kCsv, *table, host, counts).counts, "2/3/0/0");
    std::string many = "Name,Mobile Phone,Home Phone\n";
    for (int i = 0; i < kMaxContacts; ++i)
        many += "N" + std::to_string(i) + "," + std::to_string(1000 + i) + ",\n";
    many += "Last,9999,8888\n,,\n,,-\n";
    imported = Import(many, AddressBookKind::kCsv, *table, host, counts);
    EXPECT_EQ(table->count, kMaxContacts);
    EXPECT_EQ(imported.counts, std::to_string(kMaxContacts - 1) + "/3/1/5");
    EXPECT_STREQ(table->slots[kMaxContacts - 1].number, "1496");

    // A card's numbers past 32 do not fit either.
    auto empty = std::make_unique<ContactTable>();
    ImportCounts fresh{};
    std::string card = "FN:C\n";
    for (int i = 0; i < 34; ++i) card += "TEL:" + std::to_string(100 + i) + "\n";
    imported = Import(Card(card), AddressBookKind::kVCard, *empty, host, fresh);
    EXPECT_EQ(imported.counts, "32/0/0/2");
    EXPECT_STREQ(empty->slots[31].name, "C (32)");
}

// Only files Tollwick wrote carry call counts, each of 0 to 999999999.
TEST(ImportCalls, ComeBackFromTollwicksOwnExportOnly) {
    const std::string ours = "PRODID:-//Tollwick//Tollwick Export//EN\r\n", calls = "X-TOLLWICK-CALLS:";
    std::string cards;
    int number = 0;
    for (const std::string& lines :
         {ours + calls + "999999999\r\n", calls + "7\r\n" + ours + calls + "8\r\n", calls + "7\r\n",
          ours + calls + "1000000000\r\n", ours + calls + "4294967303\r\n", ours + calls + "-1\r\n",
          ours + calls + " 5\r\n", ours + calls + "5x\r\n",
          "PRODID:-//tollwick//Tollwick Export//EN\r\n" + calls + "5\r\n"}) {
        cards += "BEGIN:VCARD\r\nFN:A\r\nTEL:" + std::to_string(++number) + "\r\n" + lines + "END:VCARD\r\n";
    }
    const struct {
        std::string text;
        AddressBookKind kind;
        std::string contacts;
    } cases[] = {
        {cards, AddressBookKind::kVCard, "A|1|999999999, A|2|7, A|3, A|4, A|5, A|6, A|7, A|8, A|9"},
        {"\xEF\xBB\xBFName,Phone 1 - Value,Calls\r\nAnn,1,7\r\nBo,2,1000000000\r\n\"Cy\",3,\"999999999\"\n",
         AddressBookKind::kCsv, "Ann|1|7, Bo|2, Cy|3|999999999"},
        {"Name,Phone 1 - Value,Calls,Notes\nAnn,1,7,x\n", AddressBookKind::kCsv, "Ann|1"},
        {"Name,Mobile Phone,Calls\nAnn,1,7\n", AddressBookKind::kCsv, "Ann|1"},
    };
    for (const auto& c : cases) EXPECT_EQ(Import(c.text, c.kind).contacts, c.contacts) << c.text;
}

TEST(ImportScenario, GoogleAndOutlookCsvExports) {
    const std::string google =
        "Name,Given Name,Additional Name,Family Name,Nickname,Birthday,Notes,Photo,Group Membership,"
        "E-mail 1 - Type,E-mail 1 - Value,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,Phone 2 - Value,"
        "Address 1 - Type,Address 1 - Formatted,Organization 1 - Type,Organization 1 - Name\r\n"
        "Ann Lee,Ann,,Lee,Annie,1990-01-02,\"Met at the fair,\nsecond line\",https://example.com/p.jpg,"
        "* myContacts ::: Family,* Home,ann@example.com,* Mobile,+1 555-555-0100 ::: +1 555-555-0101,Work,"
        "(555) 555-0199,Home,\"1 Main St\nSpringfield\",,\r\n"
        ",,,,,,,,* myContacts,,,Work,555 0123,,,,,,Acme Taxi\r\n"
        "J\xC3\xB6rg M\xC3\xBCller,J\xC3\xB6rg,,M\xC3\xBCller,,,,,* myContacts,,,Mobile,+49 170 "
        "1234567,,,,,,\r\n"
        "Cy Doe,Cy,,Doe,,,,,* myContacts,* Work,cy@example.com,,,,,,,,\r\n";
    Imported imported = Import(google, AddressBookKind::kCsv);
    EXPECT_EQ(imported.contacts,
              "Ann Lee (mobile)|+1 555-555-0100, Ann Lee (mobile 2)|+1 555-555-0101, Ann Lee (work)|(555) "
              "555-0199, "
              "Acme Taxi|555 0123, J\xF6rg M\xFCller|+49 170 1234567");
    EXPECT_EQ(imported.counts, "5/0/1/0");

    // Outlook quotes every field and writes the code page's own bytes.
    const std::string outlook =
        "\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Suffix\",\"Company\",\"Department\",\"Job "
        "Title\","
        "\"Business Street\",\"Business City\",\"Business Fax\",\"Business Phone\",\"Business Phone 2\","
        "\"Callback\",\"Car Phone\",\"Company Main Phone\",\"Home Fax\",\"Home Phone\",\"Home Phone "
        "2\",\"ISDN\","
        "\"Mobile Phone\",\"Other Fax\",\"Other Phone\",\"Pager\",\"Primary Phone\",\"E-mail "
        "Address\",\"Notes\"\r\n"
        "\"\",\"Anna\",\"\",\"M\xFCller\",\"\",\"Acme\",\"\",\"\",\"Hauptstr. 1\",\"Berlin\",\"+49 30 1111\","
        "\"+49 30 1234567\",\"\",\"\",\"\",\"\",\"\",\"+49 30 7654321\",\"\",\"\",\"+49 170 "
        "1234567\",\"\",\"\","
        "\"\",\"\",\"anna@example.com\",\"Line one\r\nLine two\"\r\n"
        "\"\",\"\",\"\",\"\",\"\",\"Pizza Roma\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"030 "
        "555\",\"\","
        "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    imported = Import(outlook, AddressBookKind::kCsv);
    EXPECT_EQ(
        imported.contacts,
        "Anna M\xFCller (business fax)|+49 30 1111, Anna M\xFCller (business)|+49 30 1234567, "
        "Anna M\xFCller (home)|+49 30 7654321, Anna M\xFCller (mobile)|+49 170 1234567, Pizza Roma|030 555");
    EXPECT_EQ(imported.counts, "5/0/0/0");
}

TEST(ImportScenario, PhoneVersion21AndVersion4VCards) {
    const std::string phone =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=4D=C3=BC=6C=6C=65=72;=4A=C3=B6=72=67;;;\r\n"
        "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=4A=C3=B6=72=67=20=4D=C3=BC=6C=6C=65=72\r\n"
        "TEL;CELL;PREF:+49 170 1234567\r\nTEL;HOME:030 123456\r\nEMAIL;HOME:joerg@example.com\r\n"
        "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;=48=61=75=70=74=73=74=72=2E=20=31;=42=65=72=6C="
        "69=6E;;;\r\n"
        "NOTE;ENCODING=QUOTED-PRINTABLE:Call after six=0D=0ATEL=3A 555=\r\nTEL:999\r\n"
        "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD\r\n "
        "2wBDAAgGBgcGBQgHBwcJCQgKDBQNDAsLDBkS\r\n\r\n"
        "END:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN:;;;;\r\nFN:\r\nTEL;WORK:+49 30 999\r\nEND:VCARD\r\n";
    Imported imported = Import(phone, AddressBookKind::kVCard);
    EXPECT_EQ(imported.contacts,
              "J\xF6rg M\xFCller (cell)|+49 170 1234567, J\xF6rg M\xFCller (home)|030 123456, "
              "+49 30 999|+49 30 999");
    EXPECT_EQ(imported.counts, "3/0/0/0");

    const std::string version4 =
        "BEGIN:VCARD\nVERSION:4.0\nFN:Dr. Ann Lee\nN:Lee;Ann;;Dr.;\n"
        "TEL;VALUE=uri;TYPE=\"cell,voice\";PREF=1:tel:+1-555-555-0100\n"
        "TEL;VALUE=uri;TYPE=\"work,voice\":tel:+1-555-555-0199;ext=102\nEMAIL;TYPE=work:ann@example.com\n"
        "END:VCARD\n";
    imported = Import(version4, AddressBookKind::kVCard);
    EXPECT_EQ(imported.contacts, "Dr. Ann Lee (cell)|+1-555-555-0100, Dr. Ann Lee (work)|+1-555-555-0199");
}

TEST(ImportSummary, SaysWhatWasAddedAndOnlyTheOtherCountsThatHappened) {
    const char* unreadable[] = {"C:\\drop\\x.vcf", "y.csv"};
    const char* notBooks[] = {"/tmp/n.txt", "m.doc"};
    const struct {
        ImportCounts counts;
        int unreadableCount, notBookCount;
        const char* text;
    } cases[] = {
        {{0, 0, 0, 0}, 0, 0, "0 contacts added."},
        {{1, 1, 1, 1},
         0,
         0,
         "1 contact added.\n1 was already in the list.\n1 had no phone number.\n1 did not fit."},
        {{12, 3, 0, 2},
         2,
         1,
         "12 contacts added.\n3 were already in the list.\n2 did not fit.\nCould not read: x.vcf, y.csv\n"
         "Not an address book: n.txt"},
        {{0, 0, 5, 0}, 0, 2, "0 contacts added.\n5 had no phone number.\nNot address books: n.txt, m.doc"},
    };
    for (const auto& c : cases) {
        char text[200];
        FormatImportSummary(c.counts, unreadable, c.unreadableCount, notBooks, c.notBookCount, text,
                            sizeof text);
        EXPECT_STREQ(text, c.text);
    }

    // Too long for the buffer: whole pieces up to where "..." still fits.
    const ImportCounts counts{12, 3, 0, 2};
    char full[200];
    FormatImportSummary(counts, unreadable, 2, notBooks, 2, full, sizeof full);
    const std::string whole = full;
    for (std::size_t size = 0; size <= whole.size() + 1; ++size) {
        char text[200];
        std::memset(text, 'x', sizeof text);
        FormatImportSummary(counts, unreadable, 2, notBooks, 2, text, size);
        if (size == 0) {
            EXPECT_EQ(text[0], 'x');
            continue;
        }
        const std::string shown = text;
        ASSERT_LT(shown.size(), size);
        if (size > whole.size()) {
            EXPECT_EQ(shown, whole);
        } else if (size >= 4) {
            ASSERT_GE(shown.size(), 3u);
            EXPECT_EQ(shown.substr(shown.size() - 3), "...") << size;
            EXPECT_EQ(whole.compare(0, shown.size() - 3, shown, 0, shown.size() - 3), 0) << size;
        }
    }
    const struct {
        std::size_t size;
        const char* text;
    } cut[] = {{40, "12 contacts added.\n..."},
               {whole.size(),
                "12 contacts added.\n3 were already in the list.\n2 did not fit.\n"
                "Could not read: x.vcf, y.csv\nNot address books: n.txt, ..."}};
    for (const auto& c : cut) {
        char text[200];
        FormatImportSummary(counts, unreadable, 2, notBooks, 2, text, c.size);
        EXPECT_STREQ(text, c.text);
    }
}

}  // namespace
