// Copies into the program's fixed text buffers: as much as fits, always
// terminated.
#pragma once

#include <cstddef>
#include <cstring>

inline void CopyText(char* buffer, std::size_t size, const char* text) {
    std::size_t length = std::strlen(text);
    if (length > size - 1) length = size - 1;
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

template <std::size_t N>
void CopyText(char (&buffer)[N], const char* text) {
    CopyText(buffer, N, text);
}
