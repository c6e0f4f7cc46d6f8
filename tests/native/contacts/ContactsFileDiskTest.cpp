// Read and Write against real files in a scratch directory, including the
// ways a write can fail without harming the previous file, and saves that
// merge what others wrote meanwhile.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TestHost.h"
#include "contacts/ContactsKeeper.h"
#include "tests/common/FileBytes.h"
#include "tests/common/ScratchDirectory.h"

namespace {

using Strings = std::vector<std::string>;

TEST(ContactsFileOnDisk, ReadWriteAndEveryWayAWriteFails) {
    ScratchDirectory scratch;
    ASSERT_TRUE(scratch.ready) << scratch.dir;
    const char oldFile[] = "[PhoneNumbers]\r\nOld, 1, 1\r\n";
    auto table = std::make_unique<ContactTable>();
    TestHost host;
    ContactsFile::Read(*table, host);
    // OK button, exclamation icon
    EXPECT_EQ(host.messages, Strings{"Can not open contacts.txt!\nNew will be created...|INFO|48"});
    EXPECT_EQ(table->count, 0);

    // Written new, then over the old file: on the disk before the replace.
    CopyField(table->slots[0].name, " Spaced ");
    CopyField(table->slots[0].number, "(01) 23 ");
    table->slots[0].calls = -1;
    table->count = 1;
    for (const char* old : {"", oldFile}) {
        if (*old != '\0') WriteFileBytes("contacts.txt", old);
        host = TestHost();
        ContactsFile::Write(*table, host);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(host.steps, "flush replace ");
        EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*table));
        EXPECT_EQ(access(ContactsFile::kTemporaryFileName, F_OK), -1);
    }

    // A read clears every slot and reads on over its 64,000-byte blocks: the
    // second record straddles the first block's end.
    WriteFileBytes("contacts.txt", "[PhoneNumbers]\r\nFirst, 1, 1" + std::string(63970, '\n') +
                                       "Straddling, 5551234, 4321\r\n" + std::string(9000, '\n') +
                                       "Last, 2, 2");
    auto read = std::make_unique<ContactTable>();
    for (Contact& c : read->slots) CopyField(c.number, "stale");
    ContactsFile::Read(*read, host);
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(read->count, 3);
    EXPECT_EQ(Formatted(*read).substr(Formatted(ContactTable()).size()),
              "First, 1, 1\r\nStraddling, 5551234, 4321\r\nLast, 2, 2\r\n");
    for (int s = 3; s < kMaxContacts; ++s) ASSERT_FALSE(ContactTable::InUse(read->slots[s])) << s;

    // A failed flush, replace or write leaves the old file and no temporary.
    auto expectWriteError = [&host, &oldFile] {
        EXPECT_EQ(host.messages, Strings{"Can not open contacts.txt!|ERROR|0"});
        EXPECT_EQ(ReadFileBytes("contacts.txt"), oldFile);
        EXPECT_EQ(access(ContactsFile::kTemporaryFileName, F_OK), -1);
    };
    WriteFileBytes("contacts.txt", oldFile);
    for (bool failFlush : {true, false}) {
        host = TestHost();
        host.failFlush = failFlush;
        host.failReplace = !failFlush;
        ContactsFile::Write(*table, host);
        expectWriteError();
    }
    // The file system refuses every byte past 70,000, as a full disk would,
    // of 155,500: several buffers of full-length records.
    for (Contact& c : table->slots) {
        std::memset(c.name, 'n', sizeof c.name - 1);
        std::memset(c.number, '7', sizeof c.number - 1);
        c.calls = -2147483647 - 1;
    }
    table->count = kMaxContacts;
    host = TestHost();
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limit = saved;
    limit.rlim_cur = 70000;
    void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    ContactsFile::Write(*table, host);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    expectWriteError();
    EXPECT_EQ(host.steps, "");  // neither flushed nor moved into place

    // Without room for a temporary file beside it, the file is rewritten in
    // place rather than the run's changes lost; with neither, the old file stays.
    ASSERT_EQ(mkdir(ContactsFile::kTemporaryFileName, 0700), 0);  // cannot be opened as a file
    host = TestHost();
    ContactsFile::Write(*table, host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.steps, "flush ");
    const std::string written = ReadFileBytes("contacts.txt");
    EXPECT_EQ(written, Formatted(*table));
    EXPECT_EQ(written.size(), Formatted(ContactTable()).size() + kMaxContacts * (255 + 2 + 39 + 2 + 11 + 2));
    ASSERT_EQ(unlink("contacts.txt"), 0);
    ASSERT_EQ(mkdir("contacts.txt", 0700), 0);
    ContactsFile::Write(*table, host);
    EXPECT_EQ(host.messages, Strings{"Can not open contacts.txt!|ERROR|0"});
}

// Only a missing file reads as "no file yet". One that exists but cannot be
// opened is tried again for two seconds; when it stays shut, or its read
// fails part-way, the list is empty and nothing in the run writes the file.
TEST(ContactsFileOnDisk, AFileThatCannotBeReadIsNeverWritten) {
    using Outcome = ContactsFile::ReadOutcome;
    const std::string records = "[PhoneNumbers]\r\nAnn, 1, 1\r\n";
    const std::string info = "Can not open contacts.txt!\nNew will be created...|INFO|48";
    const std::string error = std::string(ContactsFile::kUnreadableMessage) + "|ERROR|48";
    enum Setup { kMissing, kShut, kDirectory, kPartWay };
    const struct {
        const char* what;
        Setup setup;
        int releasedAfterWaits;  // the file comes free after so many waits; -1: never
        Outcome outcome;
        std::string message;
        int waitedMs, count;
    } cases[] = {
        {"missing", kMissing, -1, Outcome::kNoFile, info, 0, 0},
        {"held, then free", kShut, 3, Outcome::kLoaded, "", 300, 1},
        {"free before the last try", kShut, 20, Outcome::kLoaded, "", 2000, 1},
        {"held throughout", kShut, -1, Outcome::kUnreadable, error, 2000, 0},
        {"a folder", kDirectory, -1, Outcome::kUnreadable, error, 0, 0},
        {"fails part-way", kPartWay, -1, Outcome::kUnreadable, error, 0, 0},
    };
    for (const auto& c : cases) {
        ScratchDirectory scratch;
        ASSERT_TRUE(scratch.ready) << scratch.dir;
        // A link to itself exists but does not open; a folder opens but does not read.
        if (c.setup == kShut) {
            ASSERT_EQ(symlink("contacts.txt", "contacts.txt"), 0);
        } else if (c.setup == kDirectory) {
            ASSERT_EQ(mkdir("contacts.txt", 0700), 0);
        } else if (c.setup == kPartWay) {
            WriteFileBytes("contacts.txt", records + "Bo, 2, 2\r\n");
        }
        TestHost host;
        const long failReadAfter = c.setup == kPartWay ? static_cast<long>(records.size()) : -1;
        host.failReadAfter = failReadAfter;
        int waits = 0;
        host.onWait = [&] {
            if (++waits == c.releasedAfterWaits) {
                ASSERT_EQ(unlink("contacts.txt"), 0);
                WriteFileBytes("contacts.txt", records);
            }
        };
        auto table = std::make_unique<ContactTable>();
        for (Contact& slot : table->slots) CopyField(slot.number, "stale");
        table->count = kMaxContacts;
        EXPECT_EQ(ContactsFile::Read(*table, host), c.outcome) << c.what;
        EXPECT_EQ(host.messages, c.message.empty() ? Strings{} : Strings{c.message}) << c.what;
        EXPECT_EQ(host.waitedMs, c.waitedMs) << c.what;
        EXPECT_EQ(table->count, c.count) << c.what;
        if (c.count == 0) {
            EXPECT_FALSE(ContactTable::InUse(table->slots[0])) << c.what;
        }

        // The window's close and the end of the session both save, if anything may.
        auto keeper = std::make_unique<ContactsKeeper>();
        host = TestHost();
        host.failReadAfter = failReadAfter;
        keeper->Load(*table, host);
        CopyField(table->slots[0].number, "555");
        table->count = 1;
        const bool maySave = c.outcome != Outcome::kUnreadable;
        EXPECT_EQ(keeper->Save(), maySave) << c.what;
        EXPECT_EQ(keeper->Save(), maySave) << c.what;
        EXPECT_EQ(host.messages.size(), c.message.empty() ? 0u : 1u) << c.what;  // only the read's
        struct stat status;
        ASSERT_EQ(lstat("contacts.txt", &status), 0) << c.what;
        if (maySave) {
            EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*table)) << c.what;
        } else {
            EXPECT_EQ(status.st_mode & S_IFMT, c.setup == kShut        ? S_IFLNK
                                               : c.setup == kDirectory ? S_IFDIR
                                                                       : S_IFREG)
                << c.what;
            EXPECT_EQ(access(ContactsFile::kTemporaryFileName, F_OK), -1) << c.what;
        }
    }
}

// "Ann,1,2|Bob,2,0": records as the file holds them, and a table's records.
std::string FileOf(std::string records) {
    std::replace(records.begin(), records.end(), '|', '\n');
    return "[PhoneNumbers]\n" + records;
}
std::string RecordsOf(const ContactTable& table) {
    std::string text;
    for (int s = 0; s < table.count; ++s) {
        const Contact& c = table.slots[s];
        text += (s > 0 ? "|" : "") + std::string(c.name) + "," + c.number + "," + std::to_string(c.calls);
    }
    return text;
}

// Makes one change to the table as the window does, and notes it: "+record"
// adds, "*record" calls, "-record" deletes, "record>record" edits.
void Change(const std::string& change, ContactTable& table, ContactsKeeper& keeper) {
    const std::size_t edit = change.find('>');
    const bool plain = edit == std::string::npos;
    const Contact c = Parsed(FileOf(plain ? change.substr(1) : change.substr(0, edit)))->slots[0];
    const int s = FindContact(table, c.name, c.number);
    ASSERT_TRUE(change[0] == '+' || s != kNoSlot) << change;
    const Contact before = table.slots[s < 0 ? 0 : s];
    switch (plain ? change[0] : '>') {
        case '+': table.NewSlot() = c, ++table.count, keeper.NoteAdd(c); break;
        case '*': ++table.slots[s].calls, keeper.NoteCall(c.name, c.number); break;
        case '-': table.ClearSlot(s), table.Compact(), keeper.NoteDelete(before); break;
        default:
            table.slots[s] = Parsed(FileOf(change.substr(edit + 1)))->slots[0];
            keeper.NoteEdit(before, table.slots[s]);
    }
}

// Each save finds the file as the other side left it (nullptr: deleted);
// the result is in the file and the table, and a second save, after the
// other side rewrote the file, adds nothing twice.
TEST(ContactsMerge, ReplaysThisRunsChangesOntoWhatTheOtherSideWrote) {
    const struct {
        const char *what, *base, *other;
        Strings run;
        bool refresh;  // takes the other side's file in before the save
        const char* merged;
    } cases[] = {
        {"unchanged", "A,1,1|B,2,0", "A,1,1|B,2,0", {"*A,1", "+C,3,0"}, false, "A,1,2|B,2,0|C,3,0"},
        {"deleted", "A,1,1|B,2,0", nullptr, {"*A,1", "-B,2,0"}, false, "A,1,2"},
        {"calls, edit there", "A,1,1|B,2,0", "A,1,1|B,22,5", {"*A,1", "*A,1"}, true, "A,1,3|B,22,5"},
        {"call, renamed there", "A,1-1,1", "Al,11,4", {"*A,1-1"}, false, "Al,11,5"},
        {"calls, deleted there", "A,1,7|B,2,0", "B,2,0", {"*A,1", "*A,1"}, true, "B,2,0|A,1,2"},
        {"edits on both sides", "A,1,1", "Al,1,1", {"A,1,1>Ann,1,1"}, false, "Al,1,1|Ann,1,1"},
        {"edit, called there", "A,1,3", "A,1,5", {"A,1,3>Ann,9,0"}, false, "Ann,9,2"},
        {"deletes", "A,1,1|B,2,0", "A,1,9|B,3,0", {"-A,1,1", "-B,2,0"}, false, "B,3,0"},
        {"adds", "A,1,1", "A,1,1|Cy,3,2", {"+C,3,1", "+D,4,0"}, false, "A,1,1|Cy,3,3|D,4,0"},
    };
    for (const auto& c : cases) {
        ScratchDirectory scratch;
        ASSERT_TRUE(scratch.ready) << scratch.dir;
        WriteFileBytes("contacts.txt", FileOf(c.base));
        auto table = std::make_unique<ContactTable>();
        auto keeper = std::make_unique<ContactsKeeper>();
        TestHost host;
        keeper->Load(*table, host);
        for (const std::string& change : c.run) Change(change, *table, *keeper);
        c.other != nullptr ? WriteFileBytes("contacts.txt", FileOf(c.other)) : void(unlink("contacts.txt"));
        EXPECT_TRUE(!c.refresh || (keeper->Refresh() && RecordsOf(*table) == c.merged)) << c.what;
        for (int save = 0; save < 2; ++save) {
            EXPECT_TRUE(keeper->Save()) << c.what;
            EXPECT_EQ(RecordsOf(*Parsed(ReadFileBytes("contacts.txt"))), c.merged) << c.what;
            EXPECT_EQ(RecordsOf(*table), c.merged) << c.what;
            WriteFileBytes("contacts.txt", FileOf(c.merged));
        }
        EXPECT_EQ(host.steps, "lock flush replace release lock flush replace release ") << c.what;
        EXPECT_TRUE(host.messages.empty()) << c.what;
    }
}

// One run whose saves meet another writer's lock, a file held open, one too
// big, a full list, room made, a stale lock: what cannot be saved waits.
TEST(ContactsMerge, WhatCannotBeSavedNowWaitsForTheNextSave) {
    std::string full = "C0,100,0";
    for (int i = 1; i < kMaxContacts; ++i)
        full += "|C" + std::to_string(i) + "," + std::to_string(100 + i) + ",0";
    std::string room = full;  // after the run deletes C5
    room.erase(room.find("|C5,"), 9);
    room += "|A,1,1";
    const std::string error = "Can not open contacts.txt!|ERROR|0", wrote = "lock flush replace release ";
    const struct {
        int lockAge;
        std::string other;  // the file's bytes; empty: a file that never opens; "=": as it is
        Strings run;
        std::string merged;  // the file's records after the save; empty: not saved, untouched
        std::string message, steps;
        int waitedMs;
    } steps[] = {
        {30, FileOf("A,1,1|B,2,0"), {"*A,1"}, "", error, "", 2000},
        {-1, "", {}, "", error, "lock release ", 2000},
        {-1, FileOf("A,1,1") + std::string(16 << 20, '\n'), {}, "", error, "lock release ", 0},
        {-1, FileOf(full), {"+D,4,0"}, full, kNoRoomMessage + std::string("A\nD\n|INFO|64"), wrote, 0},
        {-1, "=", {"-C5,105,0"}, room, kNoRoomMessage + std::string("D\n|INFO|64"), wrote, 0},
        {31, FileOf(room.substr(9)), {}, room.substr(9) + "|D,4,0", "", "remove " + wrote, 0},
    };
    ScratchDirectory scratch;
    ASSERT_TRUE(scratch.ready) << scratch.dir;
    WriteFileBytes("contacts.txt", FileOf("A,1,1"));
    auto table = std::make_unique<ContactTable>();
    auto keeper = std::make_unique<ContactsKeeper>();
    TestHost host;
    keeper->Load(*table, host);
    for (const auto& step : steps) {
        if (step.other != "=") unlink("contacts.txt");
        ASSERT_TRUE(!step.other.empty() || symlink("contacts.txt", "contacts.txt") == 0);
        if (!step.other.empty() && step.other != "=") WriteFileBytes("contacts.txt", step.other);
        for (const std::string& change : step.run) Change(change, *table, *keeper);
        host = TestHost();
        host.lockAge = step.lockAge;
        EXPECT_EQ(keeper->Save(), !step.merged.empty()) << step.steps;
        EXPECT_EQ(host.messages, step.message.empty() ? Strings{} : Strings{step.message}) << step.steps;
        EXPECT_EQ(host.steps, step.steps);
        EXPECT_EQ(host.waitedMs, step.waitedMs) << step.steps;
        const std::string now = ReadFileBytes("contacts.txt");
        // Left alone when not saved (not printed: it may be 16 MB).
        EXPECT_TRUE(step.merged.empty() ? step.other.empty() || now == step.other
                                        : RecordsOf(*Parsed(now)) == step.merged)
            << step.steps;
    }
}

}  // namespace
