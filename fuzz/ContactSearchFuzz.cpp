// libFuzzer target for find-as-you-type: the matcher finds exactly the
// contacts that a slow and obvious one finds, which spells every word's run
// and every run of initials out in full.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/ContactSearch.h"

namespace {

bool SlowMatch(const std::string& name, const std::string& number, const std::string& typed) {
    std::string digits;
    for (std::size_t i = 0; i < number.size() && i < kDigitKeyMaxDigits; ++i)
        if (number[i] >= '0' && number[i] <= '9') digits += number[i];
    if (digits.find(typed) != std::string::npos) return true;
    std::vector<std::string> words;
    bool separated = true;
    for (unsigned char c : name) {
        const char digit = SpelledDigit(c);
        if (digit == 0) {
            separated = true;
            continue;
        }
        if (separated) words.emplace_back();
        separated = false;
        words.back() += digit;
    }
    for (std::size_t first = 0; first < words.size(); ++first) {
        std::string run, initials;
        for (std::size_t w = first; w < words.size(); ++w) {
            run += words[w];
            initials += words[w][0];
        }
        if (run.compare(0, typed.size(), typed) == 0 && run.size() >= typed.size()) return true;
        if (initials.compare(0, typed.size(), typed) == 0 && initials.size() >= typed.size()) return true;
    }
    return false;
}

}  // namespace

// The input: a name, a number and the typed text, separated by zero bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string parts[3];
    int part = 0;
    for (std::size_t i = 0; i < size && part < 3; ++i) {
        if (data[i] == 0) {
            ++part;
        } else {
            parts[part] += static_cast<char>(data[i]);
        }
    }
    Contact contact{};
    std::strncpy(contact.name, parts[0].c_str(), kNameSize - 1);
    std::strncpy(contact.number, parts[1].c_str(), kNumberSize - 1);
    const DigitKey typed(parts[2].c_str());
    if (ContactMatches(contact, typed) != SlowMatch(contact.name, contact.number, typed.Digits()))
        std::abort();
    return 0;
}
