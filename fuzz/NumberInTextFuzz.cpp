// libFuzzer target for the number found in pasted text: whatever the bytes,
// the finder reads only the first 4 KB, and what it finds is a number the
// contacts file keeps as it is.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "contacts/FieldRules.h"
#include "handover/NumberInText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    char number[kNumberFieldLimit + 1];
    const bool found = FindNumberInText(text, size, number);
    if (found != (number[0] != '\0')) std::abort();
    if (size > kMaxPastedText) {
        char first[kNumberFieldLimit + 1];
        if (FindNumberInText(text, kMaxPastedText, first) != found || std::strcmp(first, number) != 0)
            std::abort();
    }
    if (!found) return 0;
    bool digit = false;
    for (const char* p = number; *p != '\0'; ++p) {
        if (std::strchr("0123456789+*#-(). ", *p) == nullptr) std::abort();
        digit = digit || (*p >= '0' && *p <= '9');
    }
    if (!digit || CheckContactFields("Pasted", number) != FieldProblem::kNone) std::abort();
    return 0;
}
