#include "tools/artgen/WavFile.h"

#include "tools/artgen/ByteWriter.h"

std::string EncodeWav(const std::vector<std::uint8_t>& samples) {
    const auto count = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = count & 1;  // RIFF chunks end on an even offset
    ByteWriter out;
    out.Tag("RIFF");
    out.U32(4 + (8 + 16) + (8 + count + pad));
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(1);  // mono
    out.U32(kSampleRate);
    out.U32(kSampleRate);  // bytes per second
    out.U16(1);            // block alignment
    out.U16(8);            // bits per sample
    out.Tag("data");
    out.U32(count);
    for (std::uint8_t s : samples) out.U8(s);
    if (pad != 0) out.U8(0);
    return out.Bytes();
}
