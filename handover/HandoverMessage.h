// What a later start of Tollwick hands to the window already running on the
// same contacts file: its command-line arguments, as one block of bytes.
// Standard C++ only. The block comes from another process: it is checked for
// size and form before anything in it is used.
#pragma once

#include <cstddef>
#include <cstdint>

// Marks a block as ours (the message's own tag, beside the bytes).
constexpr std::uint32_t kHandoverTag = 0x544B5731u;  // "TWK1"
constexpr int kMaxHandoverArguments = 32;
// A path, a number or a tel: link; longer ones are refused whole.
constexpr std::size_t kMaxHandoverArgumentLength = 1023;
constexpr std::size_t kMaxHandoverBytes = kMaxHandoverArguments * (kMaxHandoverArgumentLength + 1);

// The arguments of one handover, held in place: no allocation.
class HandoverArguments {
public:
    int Count() const { return count_; }
    const char* At(int i) const { return text_ + start_[i]; }

    // Appends an argument; false, changing nothing, when it is empty, too
    // long or there is no room left.
    bool Add(const char* argument);
    void Clear() {
        count_ = 0;
        used_ = 0;
    }

    // The block to send: the arguments one after another, each ended by a
    // zero byte. An empty list is an empty block.
    const char* Bytes() const { return text_; }
    std::size_t Size() const { return used_; }

    // Reads a block received from another process. False, leaving the list
    // empty, unless it is a sequence of at most kMaxHandoverArguments
    // non-empty, zero-terminated texts of at most kMaxHandoverArgumentLength.
    bool Unpack(const void* bytes, std::size_t size);

private:
    char text_[kMaxHandoverBytes] = {};
    std::size_t start_[kMaxHandoverArguments] = {};
    std::size_t used_ = 0;
    int count_ = 0;
};
