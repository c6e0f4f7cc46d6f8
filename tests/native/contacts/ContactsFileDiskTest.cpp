// Read and Write against real files in a scratch directory, including the
// ways a write can fail without harming the previous file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TestHost.h"
#include "contacts/ContactsKeeper.h"
#include "tests/common/FileBytes.h"

namespace {

using Strings = std::vector<std::string>;

// A fresh current directory for the test's lifetime.
struct ScratchDirectory {
    char dir[32] = "/tmp/tollwick-contacts-XXXXXX", previous[4096];
    bool ready = mkdtemp(dir) != nullptr && getcwd(previous, sizeof previous) != nullptr && chdir(dir) == 0;
    ~ScratchDirectory() {
        if (ready && (chdir(previous) != 0 || std::system((std::string("rm -rf ") + dir).c_str()) != 0))
            ADD_FAILURE();
    }
};

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
    enum Setup { kMissing, kShut, kDirectory };
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
        {"fails part-way", kDirectory, -1, Outcome::kUnreadable, error, 0, 0},
    };
    for (const auto& c : cases) {
        ScratchDirectory scratch;
        ASSERT_TRUE(scratch.ready) << scratch.dir;
        // A link to itself exists but does not open; a folder opens but does not read.
        if (c.setup == kShut) {
            ASSERT_EQ(symlink("contacts.txt", "contacts.txt"), 0);
        } else if (c.setup == kDirectory) {
            ASSERT_EQ(mkdir("contacts.txt", 0700), 0);
        }
        TestHost host;
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
            EXPECT_EQ(status.st_mode & S_IFMT, c.setup == kShut ? S_IFLNK : S_IFDIR) << c.what;
            EXPECT_EQ(access(ContactsFile::kTemporaryFileName, F_OK), -1) << c.what;
        }
    }
}

}  // namespace
