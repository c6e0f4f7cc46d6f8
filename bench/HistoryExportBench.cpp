// Speed of the call log and the export: one call's line appended to calls.txt,
// a log of 1,000 lines read, and 500 contacts exported. The host's flush
// returns at once: the disk's speed is not the code's.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/BenchFiles.h"
#include "export/ContactsExport.h"
#include "history/CallLog.h"
#include "tests/native/export/Latin1ExportHost.h"

namespace {

CallEntry Call(int i) {
    CallEntry entry;
    MakeCallEntry({2026, 1 + i % 12, 1 + i % 28, i % 24, i % 60}, "+1 (555) 555-0100", "Anna M\xFCller",
                  i % 5 == 0 ? -2 : 0, entry);
    return entry;
}

void BM_AppendCallLine(benchmark::State& state) {
    ScratchDirectory scratch;
    QuietHost host;
    const CallEntry entry = Call(7);
    for (auto _ : state) {
        char line[kCallLineSize];
        const int length = FormatCallLine(entry, line);
        if (CallsFile::Append(line, length, host) != CallsFile::AppendOutcome::kAppended)
            state.SkipWithError("not appended");
    }
}
BENCHMARK(BM_AppendCallLine)->Unit(benchmark::kMicrosecond);

// A call as the window records it, the rewrite to 1,000 lines of every
// hundredth call included.
void BM_RecordCall(benchmark::State& state) {
    ScratchDirectory scratch;
    QuietHost host;
    auto log = std::make_unique<CallLog>();
    CallLogKeeper keeper;
    keeper.Load(*log, host);
    int i = 0;
    for (auto _ : state) {
        if (!keeper.Record(*log, Call(++i), host)) state.SkipWithError("not recorded");
    }
}
BENCHMARK(BM_RecordCall)->Unit(benchmark::kMicrosecond);

void BM_ParseCallLog(benchmark::State& state) {
    std::string text;
    char line[kCallLineSize];
    for (int i = 0; i < 1000; ++i) text.append(line, FormatCallLine(Call(i), line));
    auto log = std::make_unique<CallLog>();
    for (auto _ : state) {
        ParseCallLog(text.data(), text.size(), *log);
        if (log->count != 1000) state.SkipWithError("short read");
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ParseCallLog)->Unit(benchmark::kMicrosecond);

// 500 contacts with accented names, written to a file as the Save dialog
// would have it.
void BM_ExportContacts(benchmark::State& state) {
    static const char* const kFirst[] = {"Anna", "J\xF6rg", "Carla", "Fran\xE7ois", "Eve", "Hugo"};
    static const char* const kLast[] = {"M\xFCller", "Smith", "O'Neil", "Brown", "Dav\xEDs", "Wilson", "Lee"};
    auto table = std::make_unique<ContactTable>();
    for (int s = 0; s < kMaxContacts; ++s) {
        Contact& c = table->slots[s];
        std::snprintf(c.name, sizeof c.name, "%s %s %d", kFirst[s % 6], kLast[s % 7], s);
        std::snprintf(c.number, sizeof c.number, "+1 (555) %03d-%04d", s % 1000, s * 13 % 10000);
        c.calls = s % 40;
    }
    table->count = kMaxContacts;
    ScratchDirectory scratch;
    QuietHost files;
    Latin1ExportHost text;
    const auto kind = static_cast<AddressBookKind>(state.range(0));
    for (auto _ : state) {
        if (!ExportContacts(*table, kind, "contacts.export", text, files)) state.SkipWithError("not written");
    }
}
BENCHMARK(BM_ExportContacts)
    ->Arg(static_cast<int>(AddressBookKind::kVCard))
    ->Arg(static_cast<int>(AddressBookKind::kCsv))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
