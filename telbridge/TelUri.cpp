#include "telbridge/TelUri.h"

#include "dialpad/NumberEntry.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool KeptAsIs(char c) {
    return IsDigit(c) || c == '+' || c == '*' || c == '-' || c == '.' || c == '(' || c == ')';
}

// ShellExecute's answers: above 32 the handler was started.
constexpr std::intptr_t kFileNotFound = 2;
constexpr std::intptr_t kPathNotFound = 3;
constexpr std::intptr_t kNoAssociation = 31;
constexpr std::intptr_t kFirstSuccess = 33;

}  // namespace

std::int32_t MakeTelUri(const char* destination, char (&uri)[kTelUriSize]) {
    uri[0] = '\0';
    if (destination == nullptr) return kTapiErrInvalPointer;
    std::size_t length = 0;
    bool hasDigit = false;
    for (; destination[length] != '\0'; ++length) {
        if (length == kMaxDestinationLength) return kTapiErrInvalDestAddress;
        hasDigit = hasDigit || IsDigit(destination[length]) || KeypadDigit(destination[length]) != 0;
    }
    if (!hasDigit) return kTapiErrInvalDestAddress;

    static const char kHex[] = "0123456789ABCDEF";
    std::size_t out = 0;
    for (const char* p = "tel:"; *p != '\0'; ++p) uri[out++] = *p;
    for (std::size_t i = 0; i < length; ++i) {
        // Phone programs dial digits: letters become their keypad's, as typed.
        const char digit = KeypadDigit(static_cast<unsigned char>(destination[i]));
        const char c = digit != 0 ? digit : destination[i];
        if (c == ' ') continue;
        if (KeptAsIs(c)) {
            uri[out++] = c;
        } else {
            const unsigned char byte = static_cast<unsigned char>(c);
            uri[out++] = '%';
            uri[out++] = kHex[byte >> 4];
            uri[out++] = kHex[byte & 0x0F];
        }
    }
    uri[out] = '\0';
    return kTapiConnected;
}

std::int32_t RequestResult(std::intptr_t shellExecuteCode) {
    if (shellExecuteCode >= kFirstSuccess) return kTapiConnected;
    // No handler for tel:, or one registered whose program is gone.
    if (shellExecuteCode == kNoAssociation || shellExecuteCode == kFileNotFound ||
        shellExecuteCode == kPathNotFound)
        return kTapiErrNoRequestRecipient;
    return kTapiErrRequestFailed;
}
