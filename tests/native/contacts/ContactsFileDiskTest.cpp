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

#include "TestHost.h"
#include "contacts/ContactsFile.h"
#include "tests/common/FileBytes.h"

namespace {

bool Exists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}

class ContactsFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tollwick-contacts-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        ASSERT_EQ(getcwd(previous_, sizeof previous_), previous_);
        ASSERT_EQ(chdir(dir_.c_str()), 0);
        table_ = std::make_unique<ContactTable>();
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previous_), 0);
        ASSERT_EQ(std::system(("rm -rf '" + dir_ + "'").c_str()), 0);
    }

    void Add(const char* name, const char* number, int calls) {
        Contact& c = table_->slots[table_->count++];
        CopyField(c.name, name);
        CopyField(c.number, number);
        c.calls = calls;
    }

    void ExpectWriteError() {
        ASSERT_EQ(host_.messages.size(), 1u);
        EXPECT_EQ(host_.messages[0].text, "Can not open contacts.txt!");
        EXPECT_EQ(host_.messages[0].caption, "ERROR");
        EXPECT_EQ(host_.messages[0].style, 0u);
    }

    std::string dir_;
    char previous_[4096];
    std::unique_ptr<ContactTable> table_;
    TestHost host_;
};

const char kOldFile[] = "[PhoneNumbers]\r\nOld, 1, 1\r\n";

TEST_F(ContactsFileOnDisk, MissingFileSaysSoAndTheNextWriteCreatesIt) {
    ContactsFile::Read(*table_, host_);
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].text, "Can not open contacts.txt!\nNew will be created...");
    EXPECT_EQ(host_.messages[0].caption, "INFO");
    EXPECT_EQ(host_.messages[0].style, 0x30u);  // OK button, exclamation icon
    EXPECT_EQ(table_->count, 0);

    host_.messages.clear();
    Add("Added", "555", 1);
    ContactsFile::Write(*table_, host_);
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*table_));
    EXPECT_FALSE(Exists(ContactsFile::kTemporaryFileName));
}

TEST_F(ContactsFileOnDisk, ReadClearsEverySlotAndReadsPast64000Bytes) {
    std::string text = "[PhoneNumbers]\r\nFirst, 1, 1\r\n";
    while (text.size() < 70000) text += "# " + std::string(400, 'c') + "\r\n";
    text += "Last, 2, 2\r\n";
    WriteFileBytes("contacts.txt", text);
    for (int s = 0; s < kMaxContacts; ++s) CopyField(table_->slots[s].number, "stale");

    ContactsFile::Read(*table_, host_);
    EXPECT_TRUE(host_.messages.empty());
    ASSERT_EQ(table_->count, 2);
    EXPECT_STREQ(table_->slots[1].name, "Last");
    for (int s = 2; s < kMaxContacts; ++s) ASSERT_FALSE(ContactTable::InUse(table_->slots[s])) << s;
}

TEST_F(ContactsFileOnDisk, WriteReplacesTheOldFileAndReadsBackTheSame) {
    WriteFileBytes("contacts.txt", kOldFile);
    Add("Ann", "555 1234", 2);
    Add(" Spaced ", "(01) 23 ", -1);
    ContactsFile::Write(*table_, host_);
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_EQ(host_.steps, "flush replace ");  // on the disk before it replaces the old
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*table_));

    auto back = std::make_unique<ContactTable>();
    ContactsFile::Read(*back, host_);
    ASSERT_EQ(back->count, 2);
    EXPECT_STREQ(back->slots[1].name, " Spaced ");
    EXPECT_STREQ(back->slots[1].number, "(01) 23 ");
    EXPECT_EQ(back->slots[1].calls, -1);
}

// Without room for a temporary file beside it, the file is rewritten in
// place rather than the run's changes lost; with neither, the old file stays.
TEST_F(ContactsFileOnDisk, WithoutATemporaryFileTheFileIsRewrittenInPlace) {
    WriteFileBytes("contacts.txt", kOldFile);
    ASSERT_EQ(mkdir(ContactsFile::kTemporaryFileName, 0700), 0);  // cannot be opened as a file
    Add("Kept", "1", 1);
    ContactsFile::Write(*table_, host_);
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_EQ(host_.steps, "flush ");
    EXPECT_EQ(ReadFileBytes("contacts.txt"), Formatted(*table_));

    ASSERT_EQ(unlink("contacts.txt"), 0);
    ASSERT_EQ(mkdir("contacts.txt", 0700), 0);
    ContactsFile::Write(*table_, host_);
    ExpectWriteError();
}

TEST_F(ContactsFileOnDisk, AFailedFlushOrReplaceLeavesTheOldFileAndNoTemporary) {
    Add("Lost", "1", 1);
    for (bool failFlush : {true, false}) {
        WriteFileBytes("contacts.txt", kOldFile);
        host_ = TestHost();
        host_.failFlush = failFlush;
        host_.failReplace = !failFlush;
        ContactsFile::Write(*table_, host_);
        ExpectWriteError();
        EXPECT_EQ(ReadFileBytes("contacts.txt"), kOldFile);
        EXPECT_FALSE(Exists(ContactsFile::kTemporaryFileName));
    }
}

TEST_F(ContactsFileOnDisk, WriteFailingMidwayLeavesTheOldFileAndNoTemporary) {
    WriteFileBytes("contacts.txt", kOldFile);
    for (int s = 0; s < kMaxContacts; ++s) {
        Contact& c = table_->slots[s];
        std::memset(c.name, 'n', 200);
        CopyField(c.number, "5551234");
    }
    table_->count = kMaxContacts;  // about 105,000 bytes: several buffers full

    // Let the file system refuse every byte past 70,000, as a full disk would.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit limit = saved;
    limit.rlim_cur = 70000;
    void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    ContactsFile::Write(*table_, host_);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ExpectWriteError();
    EXPECT_EQ(host_.replaces, 0);
    EXPECT_EQ(ReadFileBytes("contacts.txt"), kOldFile);
    EXPECT_FALSE(Exists(ContactsFile::kTemporaryFileName));
}

}  // namespace
