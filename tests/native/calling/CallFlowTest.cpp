// Dial, CallRequest and the Phone Dialer watch on a fake clock, through a fake
// main window, and the Assisted Telephony binding through a fake library.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "calling/CallFlow.h"
#include "calling/TapiBinding.h"
#include "res/resource.h"

namespace {

constexpr std::uint32_t kNever = UINT32_MAX;
constexpr std::uint32_t kDialerThread = 77;
struct Span {  // milliseconds [from, until)
    std::uint32_t from, until;
    bool Has(std::uint32_t t) const { return t >= from && t < until; }
};

// The main window in its world: Phone Dialer windows over spans of time, a timer ticking as the test
// lets time pass, the unknown-number dialog ending as the real one does; a log of what the program did.
struct Fake : WatchClock, WatchHost, CallHost {
    explicit Fake(Span dialer = {0, 0}, Span dialing = {0, 0}, bool timerWorks = true)
        : dialer(dialer), dialing(dialing), timerWorks(timerWorks) {}
    std::uint32_t t = 0, nextTick = 0;
    Span dialer, dialing;
    bool timerWorks, timerRunning = false;
    std::string dialog;  // its exit: "fails", "cancel", "dial" or the "name:number" saved
    std::int32_t result = 0;
    std::string log;

    void Note(const std::string& what) { log += std::to_string(t) + " " + what + "|"; }
    void RunUntil(DialerWatch& watch, std::uint32_t end) {  // the timer ticking on its period
        for (; timerRunning && nextTick <= end; nextTick += kWatchTimerPeriodMs) {
            t = nextTick;
            watch.Tick();
        }
        if (t < end) t = end;
    }
    std::uint32_t TickCount() override { return kNever - 700 + t; }  // wraps 700 ms in
    void Pause() override { t += 5; }
    void ScanDialerWindows(DialerWindows* found) override {
        if (dialer.Has(t)) *found = {kDialerThread, found->dialingSeen, true};
        if (dialing.Has(t)) found->dialingSeen = true;
    }
    std::uintptr_t StartWatchTimer() override {
        if (!timerWorks) return 0;
        Note("timer");
        timerRunning = true;
        nextTick = t + kWatchTimerPeriodMs;
        return 42;
    }
    void KillWatchTimer(std::uintptr_t id) override {
        Note(id == 42 && timerRunning ? "kill" : "kill of no timer");
        timerRunning = false;
    }
    void PostQuitToThread(std::uint32_t thread) override {
        Note(thread == kDialerThread ? "quit" : "quit to a stranger");
        if (dialer.Has(t)) dialer.until = t;  // it obeys
    }
    void PlayKeySound(int sound) override { Note(sound == IDW_CLICK ? "click" : "other sound"); }
    void FocusControl(int id) override { Note("focus " + std::to_string(id)); }
    bool AskYesNo(const char*, const char*) override { return false; }
    void RedrawDisplay() override { Note("redraw"); }
    void RefillList() override { Note("refill"); }
    void ShowMessage(const char* text, const char* caption, unsigned style) override {
        Note(std::string(caption) + " " + std::to_string(style) + " " + text);
    }
    std::int32_t RequestMakeCall(const char* number, const char* app, const char* party,
                                 const char* comment) override {
        Note(std::string("request ") + number + "," + app + "," + party + "," + comment);
        return result;
    }
    int RunUnknownNumberDialog(Contact& target, NumberEntry& entry, bool full) override {
        Note(std::string(full ? "full " : "") + "dialog on " + target.name + ":" + target.number);
        if (dialog == "fails") return kDialogFailed;
        std::memset(&target, 0, sizeof target);
        if (dialog == "cancel") return kDialogCancel;
        entry.SetCalledParty(dialog == "dial" ? "" : kSavedPartyMark);
        if (dialog == "dial") return kDialogOk;
        std::sscanf(dialog.c_str(), "%255[^:]:%39s", target.name, target.number);
        entry.SetNumber(target.number);
        return kDialogOk;
    }
};

struct Scenario {
    const char* name;
    Span dialer, dialing;
    bool timerWorks;
    std::vector<std::uint32_t> requests;  // each as CallRequest makes it
    std::uint32_t exitAt;
    const char* log;
};

// clang-format off
const Scenario kScenarios[] = {
    {"dialling ends at 5 s: the tick at 6 s closes; exit finds nothing and waits", {0, kNever}, {0, 5000},
     true, {0}, 20000, "2000 timer|6000 quit|6000 kill|20000 exit|22000 done|"},
    {"dialling lasts a minute: the fifth tick gives up; exit starts a timer, waits, kills it", {0, kNever},
     {0, 60000}, true, {0}, 20000, "2000 timer|12000 kill|20000 exit|20000 timer|22000 kill|22000 done|"},
    {"dialling window gone after the tick at 10 s: still given up, exit closes", {0, kNever}, {0, 11000},
     true, {0}, 20000, "2000 timer|12000 kill|20000 exit|20000 quit|20000 done|"},
    {"exit while the timer runs and it dials: timer killed, no wait", {0, kNever}, {0, 60000}, true, {0},
     5000, "2000 timer|5000 exit|5000 kill|5000 done|"},
    {"Phone Dialer without dialling window: closed at once", {0, kNever}, {0, 0}, true, {0}, 9000,
     "2000 quit|9000 exit|11000 done|"},
    {"Phone Dialer gone by itself under someone's Dialing window", {0, 7000}, {0, 60000}, true, {0}, 9000,
     "2000 timer|8000 kill|9000 exit|11000 done|"},
    {"Phone Dialer opens after the first scan: left alone; at exit SetTimer fails: closed without wait",
     {3000, kNever}, {0, 60000}, false, {0}, 9000, "9000 exit|9000 quit|9000 done|"},
    {"second request mid-watch: fresh watch, tick count from 0", {0, kNever}, {0, 60000}, true, {0, 5000},
     30000, "2000 timer|5000 kill|7000 timer|17000 kill|30000 exit|30000 timer|32000 kill|32000 done|"},
    {"no request: no scan, no wait", {0, kNever}, {0, 60000}, true, {}, 1000, "1000 exit|1000 done|"},
};
// clang-format on

TEST(DialerWatch, TimelinesFromRequestToExit) {
    for (const Scenario& s : kScenarios) {
        Fake world(s.dialer, s.dialing, s.timerWorks);
        DialerWatch watch(world, world);
        for (std::uint32_t at : s.requests) {
            world.RunUntil(watch, at);
            watch.AbandonRunningWatch();
            watch.NoteCallPlaced();
            watch.Start();
        }
        world.RunUntil(watch, s.exitAt);
        world.Note("exit");
        watch.Exit();
        world.Note("done");
        EXPECT_EQ(world.log, s.log) << s.name;
        EXPECT_FALSE(watch.State().callPlaced);
    }
}

std::string Rows(const ContactTable& table) {
    std::string rows;
    for (const Contact* c = table.slots; c < table.slots + table.count; ++c)
        rows += std::string(c->name) + ":" + c->number + ":" + std::to_string(c->calls) + " ";
    return rows;
}

// Each case: contacts stored (or a full table), the dial number, the dialog's exit, the request's
// result, what the window was asked to do after the click, and the table and dial number afterwards.
// R is a request and its aftermath, A and F the dialog with room or a full table, U its aftermath.
#define R(n, p, box) "0 request " n ",Tollwick!," p ",No comment...|" box "2000 refill|2000 redraw|"
#define HEY(text) "2000 HEY! 0 " text "|"
#define A "0 dialog on :777|"
#define F "0 full dialog on :999|"
#define U(at) at " refill|" at " focus 1001|"
#define NO_RECIPIENT                                                                                  \
    "Please go to Phone Dialer (Start->Programs->Accessories),\nthen Tools->ConnectUsing and check\n" \
    "'Use Phone Dialer to handle voice call requests from other programs."
struct DialCase {
    std::vector<Contact> stored;
    bool full;
    const char *dialNumber, *dialog;
    std::int32_t result;
    const char *log, *rowsAfter /* nullptr: as before */, *numberAfter;
};

// clang-format off
const DialCase kDialCases[] = {
    // Known: the typed form is sent; of two equal digit keys the lower slot counts.
    {{{"Ann", "555-123-4567", 3}}, false, "(555) 123-4567", "cancel", 0,
     R("(555) 123-4567", "Ann", ""), "Ann:555-123-4567:4 ", "(555) 123-4567"},
    {{{"Ann", "555 1234", 1}, {"Bob", "5551234", 9}}, false, "555-1234", "cancel", -18,
     R("555-1234", "Ann", HEY("TAPIERR_INVALPOINTER")), "Ann:555 1234:2 Bob:5551234:9 ", "555-1234"},
    {{{"Ann", "1", 0}, {"Star", "*#", 2}}, false, "", "fails", -4,
     R("", "Star", HEY("TAPIERR_INVALDESTADDRESS")), "Ann:1:0 Star:*#:3 ", ""},
    {{{"Ann", "1", 0}}, false, "777", "Cy:778", -3,
     A R("778", "NoName", HEY("TAPIERR_REQUESTQUEUEFULL")) U("2000"), "Ann:1:0 Cy:778:1 ", "778"},
    {{}, false, "777", "Cy:", -2, A R("", "NoName", HEY(NO_RECIPIENT)) U("2000"), "", ""},
    {{}, false, "777", "dial", -16, A R("777", "NoName", HEY("TAPIERR")) U("2000"), "", "777"},
    {{}, false, "777", "cancel", 0, A U("0"), "", "777"},
    {{}, false, "777", "fails", 0, A U("0"), ":777:0 ", "777"},
    // With a full table the unknown number is never stored, whatever the dialog did.
    {{}, true, "999", "Cy:999", kLineErrOperationUnavail,
     F R("999", "NoName", HEY("TAPIERR")) U("2000"), nullptr, "999"},
    {{}, true, "999", "dial", 1, F R("999", "NoName", HEY("TAPIERR")) U("2000"), nullptr, "999"},
    {{}, true, "999", "fails", 0, F U("0"), nullptr, "999"},
};
// clang-format on

TEST(Dial, OutcomesOfKnownAndUnknownNumbers) {
    for (const DialCase& c : kDialCases) {
        Fake window;
        DialerWatch watch(window, window);
        NumberEntry entry(window);
        ContactTable table;
        for (const Contact& contact : c.stored) table.slots[table.count++] = contact;
        for (int s = 0; c.full && s < kMaxContacts; ++s) table.slots[table.count++] = {"", "0", s};
        const std::string before = Rows(table);
        entry.SetNumber(c.dialNumber);
        window.dialog = c.dialog;
        window.result = c.result;
        Dial(table, entry, watch, window);
        EXPECT_EQ(window.log, std::string("0 click|") + c.log);
        EXPECT_EQ(Rows(table), c.rowsAfter != nullptr ? c.rowsAfter : before) << c.log;
        EXPECT_STREQ(entry.Number(), c.numberAfter) << c.log;
        const bool requested = window.log.find("request") != std::string::npos;
        EXPECT_TRUE(entry.ReplaceOnNextKey() == requested && watch.State().callPlaced == requested) << c.log;
    }
}

// A library that is absent (0), present without the procedure (1) or with it (2).
struct FakeLibrary : TapiLibrary {
    int has = 0;
    std::string log;
    static void Proc() {}
    bool Note(const std::string& what, bool answer) {
        log += what + "|";
        return answer;
    }
    bool Load() override { return Note("load", has > 0); }
    TapiProcAddress FindProc(const char* name) override {
        return Note(std::string("find ") + name, has > 1) ? &Proc : nullptr;
    }
    std::int32_t CallRequestMakeCall(TapiProcAddress proc, const char* number, const char*, const char*,
                                     const char*) override {
        return Note(std::string("call ") + number, proc == &Proc) ? -3 : 99;
    }
};

// The first request binds: 0x80000049 when that fails, -16 on every later one.
TEST(TapiBinding, BindsOnTheFirstRequestAndNeverRetries) {
    const char* const logs[] = {"load|-2147483575 -16 -16 ",
                                "load|find tapiRequestMakeCall|-2147483575 -16 -16 ",
                                "load|find tapiRequestMakeCall|call 1|-3 call 2|-3 call 3|-3 "};
    for (int has = 0; has < 3; ++has) {
        FakeLibrary library;
        library.has = has;
        TapiBinding binding(library);
        for (const char* number : {"1", "2", "3"}) {
            library.log += std::to_string(binding.RequestMakeCall(number, "a", "p", "c")) + " ";
            library.has = 2;  // a library appearing later changes nothing
        }
        EXPECT_EQ(library.log, logs[has]);
    }
}

}  // namespace
