// libFuzzer target for the block a later start hands to the running window:
// whatever the bytes, Unpack reads inside them, and what it accepts packs
// back to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "handover/HandoverMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto received = std::make_unique<HandoverArguments>();
    static auto repacked = std::make_unique<HandoverArguments>();
    if (!received->Unpack(data, size)) {
        if (received->Count() != 0) std::abort();
        return 0;
    }
    repacked->Unpack(nullptr, 0);
    for (int i = 0; i < received->Count(); ++i) {
        if (!repacked->Add(received->At(i))) std::abort();
    }
    if (repacked->Size() != size || (size > 0 && std::memcmp(repacked->Bytes(), data, size) != 0))
        std::abort();
    return 0;
}
