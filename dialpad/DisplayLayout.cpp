#include "dialpad/DisplayLayout.h"

#include <cstring>

namespace {

constexpr int kUpperRowY = 76;
constexpr int kLowerRowY = 101;
constexpr int kRowLeftX = 26;
constexpr int kCellPitch = 8;
constexpr int kPositionsPerRow = 14;

}  // namespace

DisplayLine BuildDisplayLine(const char* dialNumber) {
    DisplayLine line;
    std::memset(line.text, ' ', kDisplayPositions);
    line.text[kDisplayPositions] = '\0';
    std::size_t length = std::strlen(dialNumber);
    const char* shown = dialNumber;
    if (length > kDisplayPositions) {
        shown += length - kDisplayPositions;
        length = kDisplayPositions;
    }
    std::memcpy(line.text + kDisplayPositions - length, shown, length);
    return line;
}

int GlyphSourceX(char c) {
    if (c >= '0' && c <= '9') return 8 * c - 383;
    switch (c) {
        case '#': return 81;
        case '*': return 89;
        case '-': return 97;
        case '(': return 105;
        case ')': return 113;
        default: return kBlankGlyphX;
    }
}

Point CellOrigin(int position) {
    if (position > kPositionsPerRow) {
        return {kRowLeftX + kCellPitch * (position - kPositionsPerRow - 1), kLowerRowY};
    }
    return {kRowLeftX + kCellPitch * (position - 1), kUpperRowY};
}

int DisplayedNameSlot(const ContactTable& table, const char* dialNumber) {
    return table.FindByDigitKey(DigitKey(dialNumber));
}

Point IconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
