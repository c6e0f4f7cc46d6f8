// The Phone Dialer watch on a fake clock: from the requests through the timer
// ticks to closing the main window.
#include <gtest/gtest.h>

#include <vector>

#include "FakeWorld.h"

namespace {

struct Scenario {
    const char* name;
    Span phoneDialer;
    Span dialing;
    bool timerWorks;
    std::vector<std::uint32_t> requests;  // each as CallRequest makes it
    std::uint32_t exitAt;
    const char* log;
};

const Scenario kScenarios[] = {
    {"dialling ends at 5 s: the tick at 6 s closes; exit finds nothing and waits",
     {0, kNever},
     {0, 5000},
     true,
     {0},
     20000,
     "2000 timer|6000 quit|6000 kill|20000 exit|22000 done|"},
    {"dialling lasts a minute: the fifth tick gives up; exit starts a timer, waits, kills it",
     {0, kNever},
     {0, 60000},
     true,
     {0},
     20000,
     "2000 timer|12000 kill|20000 exit|20000 timer|22000 kill|22000 done|"},
    {"dialling window gone after the tick at 10 s: still given up, exit closes",
     {0, kNever},
     {0, 11000},
     true,
     {0},
     20000,
     "2000 timer|12000 kill|20000 exit|20000 quit|20000 done|"},
    {"exit while the timer runs and it dials: timer killed, no wait",
     {0, kNever},
     {0, 60000},
     true,
     {0},
     5000,
     "2000 timer|5000 exit|5000 kill|5000 done|"},
    {"Phone Dialer without dialling window: closed at once",
     {0, kNever},
     {0, 0},
     true,
     {0},
     9000,
     "2000 quit|9000 exit|11000 done|"},
    {"Phone Dialer opens after the first scan: left alone, closed at exit without wait",
     {3000, kNever},
     {0, 0},
     true,
     {0},
     9000,
     "9000 exit|9000 quit|9000 done|"},
    {"Phone Dialer gone by itself under someone's Dialing window",
     {0, 7000},
     {0, 60000},
     true,
     {0},
     9000,
     "2000 timer|8000 kill|9000 exit|11000 done|"},
    {"SetTimer fails at exit: closed at once, without wait",
     {3000, kNever},
     {0, 60000},
     false,
     {0},
     9000,
     "9000 exit|9000 quit|9000 done|"},
    {"SetTimer fails after a request",
     {0, kNever},
     {0, 60000},
     false,
     {0},
     9000,
     "2000 quit|9000 exit|11000 done|"},
    {"second request mid-watch: fresh watch, tick count from 0",
     {0, kNever},
     {0, 60000},
     true,
     {0, 5000},
     30000,
     "2000 timer|5000 kill|7000 timer|17000 kill|30000 exit|30000 timer|32000 kill|32000 done|"},
    {"no request: no scan, no wait", {0, kNever}, {0, 60000}, true, {}, 1000, "1000 exit|1000 done|"},
};

TEST(DialerWatch, TimelinesFromRequestToExit) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.name);
        FakeWorld world;
        world.phoneDialer = s.phoneDialer;
        world.dialing = s.dialing;
        world.timerWorks = s.timerWorks;
        DialerWatch watch(world, world);
        for (std::uint32_t at : s.requests) {
            world.RunUntil(watch, at);
            watch.AbandonRunningWatch();
            watch.NoteCallPlaced();
            watch.Start();
            EXPECT_EQ(world.now, at + kFirstScanDelayMs);
        }
        world.RunUntil(watch, s.exitAt);
        world.Note("exit");
        const int scansBefore = world.scans;
        watch.Exit();
        world.Note("done");
        EXPECT_EQ(world.log, s.log);
        EXPECT_EQ(world.scans - scansBefore, s.requests.empty() ? 0 : 1);
        EXPECT_FALSE(world.timerRunning);
        EXPECT_EQ(watch.State().timerId, 0u);
        EXPECT_FALSE(watch.State().callPlaced);
    }
}

TEST(DialerWatch, WaitsSurviveTheCounterWrapping) {
    FakeWorld world;
    world.now = kNever - 700;
    DialerWatch watch(world, world);
    watch.Start();
    EXPECT_EQ(world.now, kNever - 700 + kFirstScanDelayMs);
}

}  // namespace
