#include "handover/InstanceName.h"

#include <cstdint>
#include <cstring>

void MakeInstanceName(const char* foldedPath, std::size_t length, char (&name)[kInstanceNameSize]) {
    // FNV-1a: the path itself may be longer than a kernel object name may be.
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < length; ++i) {
        hash ^= static_cast<unsigned char>(foldedPath[i]);
        hash *= 1099511628211ull;
    }
    static constexpr char kPrefix[] = "Tollwick.contacts.";
    static_assert(sizeof kPrefix - 1 + 16 < kInstanceNameSize, "the name fits");
    std::memcpy(name, kPrefix, sizeof kPrefix - 1);
    char* out = name + sizeof kPrefix - 1;
    for (int shift = 60; shift >= 0; shift -= 4) *out++ = "0123456789abcdef"[(hash >> shift) & 0xF];
    *out = '\0';
}
