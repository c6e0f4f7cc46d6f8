// Dial and CallRequest through a fake main window, and the Assisted Telephony
// binding through a fake library.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FakeWorld.h"
#include "calling/CallFlow.h"
#include "calling/TapiBinding.h"
#include "res/resource.h"

namespace {

enum class Exit { kSaveIt, kJustDial, kCancel, kFails };

// The main window as Dial sees it. Its dialog acts as the real one does on
// each exit, and the watch runs in a world with no Phone Dialer.
class FakeWindow : public CallHost {
public:
    explicit FakeWindow(FakeWorld& world) : world_(world) {}

    Exit exit = Exit::kCancel;
    std::string saved;  // "name:number" typed before "Save it!"
    std::int32_t result = 0;
    std::string constants;  // application name and comment of the last request

    void PlayKeySound(int sound) override { world_.Note(sound == IDW_CLICK ? "click" : "other sound"); }
    void FocusControl(int id) override { world_.Note(("focus " + std::to_string(id)).c_str()); }
    bool AskYesNo(const char*, const char*) override { return false; }
    void RedrawDisplay() override { world_.Note("redraw"); }
    void RefillList() override { world_.Note("refill"); }
    void ShowMessage(const char* text, const char* caption, unsigned style) override {
        world_.Note((std::string(caption) + " " + std::to_string(style) + " " + text).c_str());
    }
    std::int32_t RequestMakeCall(const char* destination, const char* application, const char* party,
                                 const char* comment) override {
        world_.Note((std::string("request ") + destination + "," + party).c_str());
        constants = std::string(application) + "," + comment;
        return result;
    }
    int RunUnknownNumberDialog(Contact& target, NumberEntry& entry, bool full) override {
        world_.Note(
            (std::string(full ? "full " : "") + "dialog on " + target.name + ":" + target.number).c_str());
        switch (exit) {
            case Exit::kSaveIt: {
                const std::size_t colon = saved.find(':');
                std::strcpy(target.name, saved.substr(0, colon).c_str());
                entry.SetCalledParty(kSavedPartyMark);
                std::strcpy(target.number, saved.substr(colon + 1).c_str());
                entry.SetNumber(target.number);
                target.calls = 0;
                return kDialogOk;
            }
            case Exit::kJustDial:
                std::memset(&target, 0, sizeof target);
                entry.SetCalledParty("");
                return kDialogOk;
            case Exit::kCancel: std::memset(&target, 0, sizeof target); return kDialogCancel;
            case Exit::kFails: return kDialogFailed;
        }
        return kDialogFailed;
    }

private:
    FakeWorld& world_;
};

std::string Rows(const ContactTable& table) {
    std::string rows;
    for (int s = 0; s < table.count; ++s)
        rows += std::string(table.slots[s].name) + ":" + table.slots[s].number + ":" +
                std::to_string(table.slots[s].calls) + " ";
    return rows;
}

// Each case: contacts stored, the dial number, the dialog's exit (with the
// "name:number" typed before "Save it!"), what the window was asked to do,
// and the table and dial number afterwards. R is a request and its aftermath.
#define R(destination, party) "0 request " destination "," party "|2000 refill|2000 redraw|"
struct DialCase {
    std::vector<Contact> stored;
    const char* dialNumber;
    Exit exit;
    const char* saved;
    const char* log;
    const char* rowsAfter;
    const char* numberAfter;
};

// clang-format off
const DialCase kDialCases[] = {
    // Known: the typed form is sent; of two equal digit keys the lower slot counts.
    {{{"Ann", "555-123-4567", 3}}, "(555) 123-4567", Exit::kCancel, "",
     "0 click|" R("(555) 123-4567", "Ann"), "Ann:555-123-4567:4 ", "(555) 123-4567"},
    {{{"Ann", "555 1234", 1}, {"Bob", "5551234", 9}}, "555-1234", Exit::kCancel, "",
     "0 click|" R("555-1234", "Ann"), "Ann:555 1234:2 Bob:5551234:9 ", "555-1234"},
    {{{"Ann", "1", 0}, {"Star", "*#", 2}}, "", Exit::kFails, "",
     "0 click|" R("", "Star"), "Ann:1:0 Star:*#:3 ", ""},
    // Unknown, by the dialog's exit.
    {{{"Ann", "1", 0}}, "777", Exit::kSaveIt, "Cy:778",
     "0 click|0 dialog on :777|" R("778", "NoName") "2000 refill|2000 focus 1001|", "Ann:1:0 Cy:778:1 ", "778"},
    {{}, "777", Exit::kSaveIt, "Cy:",
     "0 click|0 dialog on :777|" R("", "NoName") "2000 refill|2000 focus 1001|", "", ""},
    {{}, "777", Exit::kJustDial, "",
     "0 click|0 dialog on :777|" R("777", "NoName") "2000 refill|2000 focus 1001|", "", "777"},
    {{}, "777", Exit::kCancel, "", "0 click|0 dialog on :777|0 refill|0 focus 1001|", "", "777"},
    {{}, "777", Exit::kFails, "", "0 click|0 dialog on :777|0 refill|0 focus 1001|", ":777:0 ", "777"},
    {{{"Ann", "1", 0}}, "", Exit::kFails, "", "0 click|0 dialog on :|0 refill|0 focus 1001|", "Ann:1:0 ", ""},
};
// clang-format on
#undef R

TEST(Dial, OutcomesOfKnownAndUnknownNumbers) {
    for (const DialCase& c : kDialCases) {
        SCOPED_TRACE(c.log);
        FakeWorld world;
        FakeWindow window(world);
        DialerWatch watch(world, world);
        NumberEntry entry(window);
        auto table = std::make_unique<ContactTable>();
        for (const Contact& contact : c.stored) table->slots[table->count++] = contact;
        entry.SetNumber(c.dialNumber);
        window.exit = c.exit;
        window.saved = c.saved;
        Dial(*table, entry, watch, window);
        EXPECT_EQ(world.log, c.log);
        EXPECT_EQ(Rows(*table), c.rowsAfter);
        EXPECT_STREQ(entry.Number(), c.numberAfter);
        EXPECT_EQ(entry.ReplaceOnNextKey(), std::string(c.log).find("request") != std::string::npos);
    }
}

TEST(Dial, FullTableNeverStoresTheUnknownNumber) {
    for (Exit exit : {Exit::kJustDial, Exit::kFails, Exit::kSaveIt}) {
        FakeWorld world;
        FakeWindow window(world);
        DialerWatch watch(world, world);
        NumberEntry entry(window);
        auto table = std::make_unique<ContactTable>();
        for (int s = 0; s < kMaxContacts; ++s) {
            std::snprintf(table->slots[s].number, kNumberSize, "1%d", s);
            table->slots[s].calls = s;
        }
        table->count = kMaxContacts;
        const auto before = std::make_unique<ContactTable>(*table);
        entry.SetNumber("999");
        window.exit = exit;
        window.saved = "Cy:999";
        Dial(*table, entry, watch, window);
        EXPECT_EQ(world.log.rfind("0 click|0 full dialog on :999|", 0), 0u) << world.log;
        EXPECT_EQ(std::memcmp(table->slots, before->slots, sizeof table->slots), 0);
        EXPECT_EQ(table->count, kMaxContacts);
    }
}

TEST(CallRequest, FailuresAreReportedAfterTheWatchStarted) {
    const char* const longText =
        "Please go to Phone Dialer (Start->Programs->Accessories),\nthen Tools->ConnectUsing and check\n"
        "'Use Phone Dialer to handle voice call requests from other programs.";
    const struct {
        std::int32_t result;
        const char* message;
    } cases[] = {{0, nullptr},
                 {-18, "TAPIERR_INVALPOINTER"},
                 {-4, "TAPIERR_INVALDESTADDRESS"},
                 {-3, "TAPIERR_REQUESTQUEUEFULL"},
                 {-2, longText},
                 {-16, "TAPIERR"},
                 {kLineErrOperationUnavail, "TAPIERR"},
                 {1, "TAPIERR"}};
    for (const auto& c : cases) {
        FakeWorld world;
        FakeWindow window(world);
        DialerWatch watch(world, world);
        NumberEntry entry(window);
        entry.SetNumber("12");
        entry.SetCalledParty("Ann");
        window.result = c.result;
        CallRequest(entry, watch, window);
        const std::string box = c.message ? std::string("2000 HEY! 0 ") + c.message + "|" : "";
        EXPECT_EQ(world.log, "0 request 12,Ann|" + box + "2000 refill|2000 redraw|") << c.result;
        EXPECT_EQ(window.constants, "Tollwick!,No comment...");
        EXPECT_TRUE(watch.State().callPlaced);
        EXPECT_EQ(world.scans, 1);
    }
}

// A library that is absent, or present with or without the procedure.
class FakeLibrary : public TapiLibrary {
public:
    bool present = false;
    bool hasProc = false;
    std::string log;

    static void Proc() {}
    bool Load() override {
        log += "load|";
        return present;
    }
    TapiProcAddress FindProc(const char* name) override {
        log += std::string("find ") + name + "|";
        return hasProc ? &Proc : nullptr;
    }
    std::int32_t CallRequestMakeCall(TapiProcAddress proc, const char* destination, const char*, const char*,
                                     const char*) override {
        log += std::string("call ") + destination + "|";
        return proc == &Proc ? -3 : 99;
    }
};

TEST(TapiBinding, BindsOnTheFirstRequestAndNeverRetries) {
    constexpr std::int32_t kUnavail = kLineErrOperationUnavail;
    const struct {
        bool present;
        bool hasProc;
        std::int32_t first, later;
        const char* log;
    } cases[] = {{false, false, kUnavail, kTapiErrRequestFailed, "load|"},
                 {true, false, kUnavail, kTapiErrRequestFailed, "load|find tapiRequestMakeCall|"},
                 {true, true, -3, -3, "load|find tapiRequestMakeCall|call 1|call 2|call 3|"}};
    EXPECT_EQ(static_cast<std::uint32_t>(kUnavail), 0x80000049u);
    for (const auto& c : cases) {
        FakeLibrary library;
        library.present = c.present;
        library.hasProc = c.hasProc;
        TapiBinding binding(library);
        EXPECT_EQ(binding.RequestMakeCall("1", "a", "p", "c"), c.first);
        EXPECT_EQ(binding.RequestMakeCall("2", "a", "p", "c"), c.later);
        library.present = library.hasProc = true;  // appearing later changes nothing
        EXPECT_EQ(binding.RequestMakeCall("3", "a", "p", "c"), c.later);
        EXPECT_EQ(library.log, c.log);
    }
}

}  // namespace
