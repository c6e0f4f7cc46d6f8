#include "handover/NumberInText.h"

#include <cstring>

#include "dialpad/NumberEntry.h"
#include "handover/Arguments.h"
#include "import/ImportEntry.h"

namespace {

constexpr int kMinDigits = 3;
// Pasted text often keeps a web page's no-break space between digit groups.
constexpr unsigned char kNoBreakSpace = 0xA0;

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(unsigned char c) {
    return c == ' ' || c == kNoBreakSpace;
}

// Characters a run may hold besides digits and single spaces.
bool IsRunPunctuation(unsigned char c) {
    return c == '+' || c == '(' || c == ')' || c == '-' || c == '.' || c == '/';
}

bool IsLinkCharacter(unsigned char c) {
    return c > ' ' && c < 0x7F && c != '<' && c != '>' && c != '"';
}

// A tel: or callto: link starting at `at`, read as the command line reads
// tel: links; callto: links may put "//" before the number.
bool ReadLink(const char* text, std::size_t at, std::size_t length, char (&number)[kNumberFieldLimit + 1]) {
    std::size_t start;
    // The text is at most kMaxPastedText long, so its lengths fit an int.
    const int left = static_cast<int>(length - at);
    if (StartsWithNoCase(text + at, left, "tel:")) {
        start = at + 4;
    } else if (StartsWithNoCase(text + at, left, "callto:")) {
        start = at + 7;
        if (StartsWithNoCase(text + start, static_cast<int>(length - start), "//")) start += 2;
    } else {
        return false;
    }
    char link[kMaxHandoverArgumentLength + 1] = "tel:";
    std::size_t n = 4;
    for (std::size_t i = start; i < length && IsLinkCharacter(static_cast<unsigned char>(text[i])); ++i) {
        if (n == sizeof link - 1) return false;
        link[n++] = text[i];
    }
    link[n] = '\0';
    char read[kArgumentNumberSize];
    return ReadArgument(link, read) == ArgumentKind::kNumber &&
           CleanNumber(read, static_cast<int>(std::strlen(read)), number) == NumberFit::kFits;
}

// The run of number characters starting at `at`, copied to `run` with its
// letters as keypad digits; returns where the run ends in the text.
std::size_t TakeRun(const char* text, std::size_t at, std::size_t length, char (&run)[kMaxPastedText + 1],
                    int* runLength) {
    int n = 0;
    std::size_t i = at;
    for (; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsDigit(c) || IsRunPunctuation(c)) {
            run[n++] = static_cast<char>(c);
        } else if (IsSpace(c) && n > 0 && run[n - 1] != ' ') {
            run[n++] = ' ';
        } else if (c >= 'A' && c <= 'Z' && n > 0 &&
                   (run[n - 1] == '-' || (i > at && text[i - 1] >= 'A' && text[i - 1] <= 'Z'))) {
            run[n++] = KeypadDigit(c);  // a lettered group such as -FLOWERS
        } else {
            break;
        }
    }
    // Labels and punctuation at the end go: a trailing space, a full stop, a
    // bracket that closes nothing.
    int open = 0;
    for (int k = 0; k < n; ++k) open += run[k] == '(' ? 1 : run[k] == ')' ? -1 : 0;
    while (n > 0 && !IsDigit(static_cast<unsigned char>(run[n - 1]))) {
        if (run[n - 1] == ')' && open >= 0) break;
        if (run[n - 1] == ')') ++open;
        --n;
    }
    run[n] = '\0';
    *runLength = n;
    return i;
}

int CountDigits(const char* text, int length) {
    int digits = 0;
    for (int i = 0; i < length; ++i) digits += IsDigit(static_cast<unsigned char>(text[i])) ? 1 : 0;
    return digits;
}

// Lettered groups are only taken after digits, so the run must begin with
// one of the characters a number begins with.
bool StartsRun(unsigned char c) {
    return IsDigit(c) || c == '+' || c == '(';
}

}  // namespace

bool FindNumberInText(const char* text, std::size_t length, char (&number)[kNumberFieldLimit + 1]) {
    number[0] = '\0';
    if (length > kMaxPastedText) length = kMaxPastedText;
    const void* zero = std::memchr(text, '\0', length);
    if (zero != nullptr) length = static_cast<std::size_t>(static_cast<const char*>(zero) - text);

    for (std::size_t i = 0; i < length; ++i) {
        const bool wordStart = i == 0 || !IsLinkCharacter(static_cast<unsigned char>(text[i - 1]));
        if (wordStart && ReadLink(text, i, length, number)) return true;
    }
    number[0] = '\0';
    char run[kMaxPastedText + 1];
    for (std::size_t i = 0; i < length;) {
        if (!StartsRun(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        int runLength = 0;
        const std::size_t end = TakeRun(text, i, length, run, &runLength);
        if (CountDigits(run, runLength) >= kMinDigits &&
            CleanNumber(run, runLength, number) == NumberFit::kFits) {
            return true;
        }
        i = end > i ? end : i + 1;
    }
    number[0] = '\0';
    return false;
}
