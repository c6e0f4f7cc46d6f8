// Speed of the contact store at its full size of 500 contacts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/BenchFiles.h"
#include "contacts/ContactsKeeper.h"

namespace {

// 500 contacts with realistic names, numbers and call counts, many ties.
std::unique_ptr<ContactTable> FullTable() {
    auto table = std::make_unique<ContactTable>();
    static const char* const kFirst[] = {"Anna", "bob", "Carla", "dieter", "Eve", "Frank", "gina", "Hugo"};
    static const char* const kLast[] = {"Miller", "smith", "Jones", "Brown", "davis", "Wilson", "Moore"};
    unsigned seed = 7;
    for (int s = 0; s < kMaxContacts; ++s) {
        seed = seed * 1103515245u + 12345u;
        Contact& c = table->slots[s];
        std::snprintf(c.name, sizeof c.name, "%s %s %d", kFirst[(seed >> 8) % 8], kLast[(seed >> 12) % 7],
                      s % 37);
        std::snprintf(c.number, sizeof c.number, "+1 (%03u) %03u-%04u", (seed >> 4) % 1000,
                      (seed >> 14) % 1000, static_cast<unsigned>(s) * 13 % 10000);
        c.calls = static_cast<int>((seed >> 20) % 40);
    }
    table->count = kMaxContacts;
    return table;
}

void BM_Reorder(benchmark::State& state) {
    auto table = FullTable();
    table->sortMode = static_cast<int>(state.range(0));
    for (auto _ : state) {
        table->Reorder();
        benchmark::DoNotOptimize(table->order);
    }
}
BENCHMARK(BM_Reorder)->DenseRange(kSortNameAscending, kSortCallsDescending)->Unit(benchmark::kMicrosecond);

void BM_FindByDigitKeyNoMatch(benchmark::State& state) {
    auto table = FullTable();
    const DigitKey key("0000000000000");
    for (auto _ : state) benchmark::DoNotOptimize(table->FindByDigitKey(key));
}
BENCHMARK(BM_FindByDigitKeyNoMatch)->Unit(benchmark::kMicrosecond);

void BM_Write(benchmark::State& state) {
    ScratchDirectory scratch;
    auto table = FullTable();
    QuietHost host;
    for (auto _ : state) ContactsFile::Write(*table, host);
}
BENCHMARK(BM_Write)->Unit(benchmark::kMicrosecond);

void BM_Read(benchmark::State& state) {
    ScratchDirectory scratch;
    QuietHost host;
    ContactsFile::Write(*FullTable(), host);
    auto table = std::make_unique<ContactTable>();
    for (auto _ : state) {
        ContactsFile::Read(*table, host);
        if (table->count != kMaxContacts) state.SkipWithError("short read");
    }
}
BENCHMARK(BM_Read)->Unit(benchmark::kMicrosecond);

// A save that finds the file as it wrote it last: against BM_Write, the
// cost of the lock, the read and the stamps.
void BM_SaveUnchanged(benchmark::State& state) {
    ScratchDirectory scratch;
    QuietHost host;
    ContactsFile::Write(*FullTable(), host);
    auto table = std::make_unique<ContactTable>();
    auto keeper = std::make_unique<ContactsKeeper>();
    keeper->Load(*table, host);
    for (auto _ : state) {
        keeper->NoteCall(table->slots[7].name, table->slots[7].number);  // the log is emptied by every save
        if (!keeper->Save()) state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveUnchanged)->Unit(benchmark::kMicrosecond);

// A log of 100 changes replayed onto a full file that the other side
// changed: 10 deletes, 20 adds, 50 calls and 20 edits, or 100 adds (each
// looking for its number among all 500), the copy of the file included.
void BM_Merge100(benchmark::State& state) {
    const auto file = FullTable();
    auto merged = std::make_unique<ContactTable>();
    auto log = std::make_unique<ChangeLog>();
    const bool addsOnly = state.range(0) == 1;
    for (int i = 0; i < 100; ++i) {
        Contact made = file->slots[(i * 37) % kMaxContacts];
        std::snprintf(made.number, sizeof made.number, "+44 20 %04d %04d", i, i * 7);
        if (addsOnly || (i >= 10 && i < 30)) {
            log->Add(made);
        } else if (i < 10) {
            log->Delete(file->slots[i * 41]);
        } else if (i < 80) {
            log->Call(file->slots[(i * 13) % kMaxContacts].name, file->slots[(i * 13) % kMaxContacts].number);
        } else {
            log->Edit(file->slots[i * 5], made);
        }
    }
    for (auto _ : state) {
        *merged = *file;
        benchmark::DoNotOptimize(log->ReplayOnto(*merged));
    }
}
BENCHMARK(BM_Merge100)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole save of such a merge: lock, read, replay, write.
void BM_SaveMerging(benchmark::State& state) {
    ScratchDirectory scratch;
    QuietHost host;
    const auto other = FullTable();
    ContactsFile::Write(*other, host);
    auto table = std::make_unique<ContactTable>();
    auto keeper = std::make_unique<ContactsKeeper>();
    keeper->Load(*table, host);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) keeper->NoteCall(table->slots[i * 3].name, table->slots[i * 3].number);
        ContactsFile::Write(*other, host);  // the other side's file, with calls this run has not seen
        if (!keeper->Save()) state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveMerging)->Unit(benchmark::kMicrosecond);

}  // namespace
