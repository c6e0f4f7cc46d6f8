// Speed of the contact store at its full size of 500 contacts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "contacts/ContactsFile.h"

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

class QuietHost : public ContactsFileHost {
public:
    void ShowMessage(const char*, const char*, unsigned) override { std::abort(); }
    bool MoveIntoPlace(const char* temporary, const char* target) override {
        return std::rename(temporary, target) == 0;
    }
    bool FlushToDisk(std::FILE*) override { return true; }  // the file system's speed is not ours
    bool IsMissing(const char*) override { std::abort(); }
    void WaitBeforeRetry(int) override { std::abort(); }
    bool TryCreateLock(const char*) override { return true; }
    int LockAgeSeconds(const char*) override { std::abort(); }
    bool RemoveStaleLock(const char*) override { std::abort(); }
    void ReleaseLock() override {}
};

// Runs in a scratch directory, since the file name is fixed.
struct ScratchDirectory {
    ScratchDirectory() {
        char pattern[] = "/tmp/tollwick-bench-XXXXXX";
        path = mkdtemp(pattern);
        if (getcwd(previous, sizeof previous) == nullptr || chdir(path.c_str()) != 0) std::abort();
    }
    ~ScratchDirectory() {
        std::remove(ContactsFile::kFileName);
        if (chdir(previous) != 0 || rmdir(path.c_str()) != 0) std::abort();
    }
    std::string path;
    char previous[4096];
};

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

}  // namespace
