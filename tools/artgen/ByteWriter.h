// Little-endian byte output for the Windows file formats.
#pragma once

#include <cstdint>
#include <string>

class ByteWriter {
public:
    void U8(std::uint32_t v) { bytes_.push_back(static_cast<char>(v & 0xFF)); }
    void U16(std::uint32_t v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v);
        U16(v >> 16);
    }
    void Tag(const char (&fourcc)[5]) { bytes_.append(fourcc, 4); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};
