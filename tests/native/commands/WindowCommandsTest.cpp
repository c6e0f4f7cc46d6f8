#include <gtest/gtest.h>

#include "commands/WindowCommands.h"
#include "dialpad/DisplayLayout.h"
#include "res/resource.h"

namespace {

constexpr unsigned kInsert = 0x2D;

TEST(WindowCommands, KeysAndSystemMenuChoicesReachTheirCommands) {
    const struct {
        unsigned key;
        bool control, shift;
        int command;
    } keys[] = {{'V', true, false, ID_PASTE},
                {kInsert, false, true, ID_PASTE},
                {'C', true, false, ID_COPY},
                {kInsert, true, false, ID_COPY},
                {'V', true, true, 0},
                {'V', false, false, 0},
                {kInsert, false, false, 0},
                {'H', true, false, 0},
                {'H', true, true, ID_CALL_HISTORY}};
    for (const auto& k : keys) EXPECT_EQ(CommandOfKey(k.key, k.control, k.shift), k.command) << k.key;
    const struct {
        unsigned choice;
        int command;
    } choices[] = {{IDM_SYSTEM_IMPORT, ID_IMPORT},
                   {IDM_SYSTEM_IMPORT | 0x2, ID_IMPORT},  // the system's own low bits
                   {IDM_SYSTEM_FIND_AS_YOU_TYPE, ID_FIND_AS_YOU_TYPE},
                   {IDM_SYSTEM_CALL_HISTORY, ID_CALL_HISTORY},
                   {IDM_SYSTEM_ABOUT, IDC_CREDITS},
                   {0xF060, 0},  // Close
                   {0, 0}};
    for (const auto& c : choices) EXPECT_EQ(CommandOfSystemChoice(c.choice), c.command) << c.choice;
}

TEST(WindowCommands, RightClicksOpenTheMenuOfWhatTheyHitWithWhatCanRun) {
    const int right = kDisplayArea.x + kDisplayArea.width, bottom = kDisplayArea.y + kDisplayArea.height;
    EXPECT_EQ(ContextMenuAt(true, false, 0, 0), ContextMenuKind::kContact);
    EXPECT_EQ(ContextMenuAt(true, true, -1, -1), ContextMenuKind::kContact);
    EXPECT_EQ(ContextMenuAt(false, false, kDisplayArea.x, kDisplayArea.y), ContextMenuKind::kDisplay);
    EXPECT_EQ(ContextMenuAt(false, false, right - 1, bottom - 1), ContextMenuKind::kDisplay);
    EXPECT_EQ(ContextMenuAt(false, false, right, kDisplayArea.y), ContextMenuKind::kNone);
    EXPECT_EQ(ContextMenuAt(false, false, kDisplayArea.x, bottom), ContextMenuKind::kNone);
    EXPECT_EQ(ContextMenuAt(false, true, -1, -1), ContextMenuKind::kDisplay);

    const int commands[] = {ID_COPY,        IDC_CLEAR, ID_PASTE,   ID_DIAL_CONTACT,
                            ID_COPY_NUMBER, IDC_EDIT,  IDC_DELETE, IDC_NEW};
    const struct {
        CommandState state;
        const char* available;  // per command above
    } states[] = {{{false, false, false}, "00000001"},
                  {{true, false, false}, "11000001"},
                  {{false, false, true}, "00100001"},
                  {{false, true, false}, "00011111"}};
    for (const auto& s : states) {
        std::string available;
        for (int command : commands) available += CommandAvailable(command, s.state) ? '1' : '0';
        EXPECT_EQ(available, s.available);
    }
}

}  // namespace
