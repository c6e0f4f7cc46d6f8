#include "handover/HandoverMessage.h"

#include <cstring>

bool HandoverArguments::Add(const char* argument) {
    const std::size_t length = std::strlen(argument);
    if (length == 0 || length > kMaxHandoverArgumentLength || count_ == kMaxHandoverArguments) return false;
    start_[count_++] = used_;
    std::memcpy(text_ + used_, argument, length + 1);
    used_ += length + 1;
    return true;
}

bool HandoverArguments::Unpack(const void* bytes, std::size_t size) {
    Clear();
    if (size > kMaxHandoverBytes || (size > 0 && bytes == nullptr)) return false;
    const char* in = static_cast<const char*>(bytes);
    for (std::size_t at = 0; at < size;) {
        const void* end = std::memchr(in + at, '\0', size - at);
        const std::size_t length = end != nullptr ? static_cast<const char*>(end) - (in + at) : size;
        if (end == nullptr || length == 0 || length > kMaxHandoverArgumentLength ||
            count_ == kMaxHandoverArguments) {
            Clear();
            return false;
        }
        start_[count_++] = at;
        at += length + 1;
    }
    if (size > 0) std::memcpy(text_, in, size);
    used_ = size;
    return true;
}
