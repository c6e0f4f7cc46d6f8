// Speed of find-as-you-type over a full list: the rows of 500 contacts for
// one and for several typed digits (target: 0.1 ms for one digit).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "ui/ContactSearch.h"

namespace {

void BM_MatchRows(benchmark::State& state) {
    static const char* const kNames[] = {"Joan", "Sam Taylor", "\xC9mile Zola", "Dr. Ann O'Brien",
                                         "Bob",  "Li Wei"};
    auto table = std::make_unique<ContactTable>();
    for (int s = 0; s < kMaxContacts; ++s) {
        std::snprintf(table->slots[s].name, kNameSize, "%s %d", kNames[s % 6], s);
        std::snprintf(table->slots[s].number, kNumberSize, "+44 20 79%02d %04d", s % 97, s * 7 % 10000);
    }
    table->count = kMaxContacts;
    const char* const typed[] = {"2", "5626", "79460018"};
    ContactSearch search;
    search.SetEnabled(true);
    search.Follow(typed[state.range(0)], true);
    ListRows rows;
    for (auto _ : state) {
        search.MapRows(*table, &rows);
        benchmark::DoNotOptimize(rows.count);
    }
}
BENCHMARK(BM_MatchRows)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
