#include <gtest/gtest.h>
#include <sys/stat.h>

#include "history/CallLog.h"
#include "tests/common/FileBytes.h"
#include "tests/native/contacts/TestHost.h"
#include "tests/common/ScratchDirectory.h"

namespace {

std::string Lines(const CallEntry* entries, int count) {
    std::string text;
    char line[kCallLineSize];
    for (int i = 0; i < count; ++i) text.append(line, FormatCallLine(entries[i], line));
    return text;
}

// The lines the reader counted, ":" and the lines of the entries it kept.
std::string Parsed(const std::string& text) {
    static CallLog log;
    ParseCallLog(text.data(), text.size(), log);
    return std::to_string(log.fileLines) + ":" + Lines(log.entries, log.count);
}

CallEntry entry;

std::string Call(int i) {
    MakeCallEntry({2026, 1 + i % 12, 1 + i % 28, i % 24, i % 60}, std::to_string(i).c_str(), "NoName", 0,
                  entry);
    return Lines(&entry, 1);
}

// "~" stands for a tab in the lines expected.
TEST(CallLine, IsWhatWasSentAndReadsBackTheSame) {
    const std::string n(47, 'n'), d(28, '5'),
        cut = "9999-12-31 23:59~" + d + "~A B" + n + "~LINEERR_OPERATIONUNAVAIL";
    const struct {
        CallTime when;
        std::string number, party;
        std::int32_t result;
        std::string line;
    } cases[] = {
        {{2026, 12, 7, 14, 3}, "+1(5)0", "L;\"A\"\\|\xE9", 0, "2026-12-07 14:03~+1(5)0~L;\"A\"\\|\xE9~"},
        {{2000, 2, 29, 0, 0}, "*31#", "NoName", -2, "2000-02-29 00:00~*31#~~TAPIERR_NOREQUESTRECIPIENT"},
        {{9999, 12, 31, 23, 59}, d + "9", "A\tB" + n + "cut", INT32_MIN + 0x49, cut},
        {{1601, 1, 1, 0, 0}, "", "NoName2", -7, "1601-01-01 00:00~~NoName2~TAPIERR -7"},
        {{2100, 2, 29, 0, 0}, "1", "", 0, ""},
    };
    for (const auto& c : cases) {
        MakeCallEntry(c.when, c.number.c_str(), c.party.c_str(), c.result, entry);
        std::string line = c.line.empty() ? "" : c.line + "\r\n";
        for (char& ch : line) ch = ch == '~' ? '\t' : ch;
        EXPECT_EQ(Lines(&entry, 1), line);
        EXPECT_EQ(Parsed(line), (line.empty() ? "0:" : "1:") + line);
    }
}

TEST(CallLogParse, KeepsTheLastThousandWellFormedCompleteLines) {
    const std::string a = Call(1), b = Call(2), ok = "2026-12-07 14:03\t1\tAnn\t", r40(40, 'R');
    std::string many, last;
    for (int i = 0; i < 1234; ++i) many += Call(i) + (i % 100 == 33 ? ok + r40 + "R\r\n" : "");
    for (int i = 234; i < 1234; ++i) last += Call(i);
    // Too many or too few fields, an overlong field or line, a control
    // character, and times that do not exist or are not written as ours are.
    const std::string bad = std::string(300, 'x') + "\n" + ok + "x\tx\n" + ok.substr(0, 20) + "\n" + ok +
                            std::string("\0\n", 2) + ok + "\x01\n2026-12-07 14:03\t" + std::string(29, '5') +
                            "\t\t\n2026-12-07 14:03\t\t" + std::string(51, 'n') +
                            "\t\n2026-02-29 00:00\t\t\t\n2027-04-31 00:00\t\t\t\n2026-13-01 00:00\t\t\t\n"
                            "2026-01-00 00:00\t\t\t\n1600-12-31 00:00\t\t\t\n2026-01-01 24:00\t\t\t\n"
                            "2026-01-01 00:60\t\t\t\n2026-12-07T14:03\t\t\t\n 2026-12-07 14:03\t\t\t\n"
                            "2026-1a-07 14:03\t\t\t\n";
    EXPECT_EQ(Parsed(bad), "17:");
    EXPECT_EQ(Parsed(a.substr(0, 20) + "\n\n" + b.substr(0, 20) + "\r" + std::string("\0\n", 2) + ok + r40 +
                     "\r\n" + b + a.substr(0, 9)),
              "5:" + a + b + ok + r40 + "\r\n" + b);  // the last line torn
    EXPECT_EQ(Parsed(many), "1247:" + last);
}

// A run appends, trims past 1,100 lines, rewrites after deletes and after a
// torn line, and never writes a calls.txt its start could not read.
TEST(CallLogFile, AppendsTrimsRewritesAndKeepsAnUnreadableFile) {
    ScratchDirectory scratch;
    ASSERT_TRUE(scratch.ready);
    auto log = std::make_unique<CallLog>();
    TestHost host;
    CallLogKeeper keeper;
    auto record = [&](int i) {
        Call(i);
        return keeper.Record(*log, entry, host);
    };
    keeper.Load(*log, host);
    EXPECT_TRUE(record(0));  // a new file
    std::string old = "bad\r\n" + ReadFileBytes("calls.txt");
    for (int i = 1; i < 1098; ++i) old += Call(i);
    WriteFileBytes("calls.txt", old);
    keeper.Load(*log, host);
    EXPECT_TRUE(record(1100));  // the 1,100th line: appended
    EXPECT_EQ(ReadFileBytes("calls.txt"), old + Call(1100));
    EXPECT_TRUE(record(1101) && record(1102));  // the 1,101st: cut back to 1,000
    EXPECT_EQ(host.steps, "flush flush flush flush replace flush ");
    log->Remove(999);
    log->Remove(0);
    log->Remove(998);  // past the end: nothing
    EXPECT_EQ(Lines(log->entries, 1) + std::to_string(log->count), Call(102) + "998");
    WriteFileBytes("calls.txt", ReadFileBytes("calls.txt") + "2026-12-07 14:0");  // torn
    EXPECT_TRUE(record(7));
    EXPECT_EQ(ReadFileBytes("calls.txt"), Lines(log->entries, 999));

    // Held by another program for a moment, then free: read. Never opened
    // or read at the start: not written in the run, even once it could be.
    for (int released : {3, -1, -2}) {
        ASSERT_EQ(unlink("calls.txt"), 0);
        ASSERT_EQ(released == -2 ? mkdir("calls.txt", 0700) : symlink("calls.txt", "calls.txt"), 0);
        int waits = 0;
        host.onWait = [&] {
            if (++waits == released && unlink("calls.txt") == 0) WriteFileBytes("calls.txt", Call(9));
        };
        keeper.Load(*log, host);
        EXPECT_EQ(Lines(log->entries, log->count), released > 0 ? Call(9) : "");
        if (released > 0) continue;
        ASSERT_EQ(released == -2 ? rmdir("calls.txt") : unlink("calls.txt"), 0);
        WriteFileBytes("calls.txt", "old\r\n");
        EXPECT_FALSE(record(8) || keeper.Save(*log, host));
        EXPECT_EQ(Lines(log->entries, log->count) + ReadFileBytes("calls.txt"), Call(8) + "old\r\n");
    }
}

}  // namespace
