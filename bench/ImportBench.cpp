// Speed of an address-book drop: a phone's vCard export of 500 cards into an
// empty list, and of 5,000, most of which find the list full.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "import/AddressBookImport.h"
#include "tests/common/Latin1ImportHost.h"

namespace {

// Cards as a phone exports them: about 500 bytes each (250 KB for 500), every one with two
// numbers of its own, an e-mail address, an address and a folded note.
std::string Cards(int count) {
    static const char* const kGiven[] = {"Anna", "J\xC3\xB6rg", "Carla", "Dieter", "Eve", "Fran\xC3\xA7ois"};
    static const char* const kFamily[] = {"M\xC3\xBCller", "Smith",  "Jones", "Brown",
                                          "Davis",         "Wilson", "Moore"};
    std::string text;
    char card[1024];
    for (int i = 0; i < count; ++i) {
        const char* given = kGiven[i % 6];
        const char* family = kFamily[i % 7];
        std::snprintf(card, sizeof card,
                      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:%s %s\r\nN:%s;%s;;;\r\n"
                      "TEL;TYPE=CELL:+1 (555) %03d-%04d\r\nTEL;TYPE=HOME,VOICE:+1 (555) %03d-%04d\r\n"
                      "EMAIL;TYPE=INTERNET:%s.%s%d@example.com\r\n"
                      "ADR;TYPE=HOME:;;%d Main Street\\, Apartment %d;Springfield;IL;62704;USA\r\n"
                      "NOTE:Met at the conference in spring. Prefers calls in the afternoon\\, never be\r\n"
                      " fore ten. Ask about the garden project and the new office downtown. Birth\r\n"
                      " day in May\\; send a card. Her assistant answers the office line on Mond\r\n"
                      " ays.\r\nEND:VCARD\r\n",
                      given, family, family, given, i / 1000, i % 10000, 500 + i / 1000, i % 10000, given,
                      family, i, 100 + i, i % 40);
        text += card;
    }
    return text;
}

// The same cards as a phone that writes UTF-16 exports them (their
// characters are all below U+0800).
std::string Utf16Cards(int count) {
    const std::string utf8 = Cards(count);
    std::string text = "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        unsigned code = static_cast<unsigned char>(utf8[i]);
        if (code >= 0xC0) code = (code & 0x1F) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        text += static_cast<char>(code & 0xFF);
        text += static_cast<char>(code >> 8);
    }
    return text;
}

// Arguments: the number of cards, and 1 for a UTF-16 file.
void BM_ImportVCards(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    const std::string text = state.range(1) != 0 ? Utf16Cards(cards) : Cards(cards);
    auto table = std::make_unique<ContactTable>();
    Latin1ImportHost host;
    for (auto _ : state) {
        *table = ContactTable();
        ImportCounts counts{};
        ImportAddressBook(text.data(), text.size(), AddressBookKind::kVCard, *table, host, counts);
        if (table->count != kMaxContacts) state.SkipWithError("the list did not fill");
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ImportVCards)->Args({500, 0})->Args({5000, 0})->Args({500, 1})->Unit(benchmark::kMillisecond);

}  // namespace
