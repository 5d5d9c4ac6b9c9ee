// The library's two pieces of process-wide state as the command exports change them: the poll
// period (SetPollTiming, Open) and the reply buffer (Open).
#include <gtest/gtest.h>

#include <vector>

#include "fake_bridge_service.h"
#include "transport.h"
#include "vantrel.h"

using vantrel::testing::FakeBridgeService;

namespace {

std::vector<int> Periods(int period) { return std::vector<int>(2, period); }

struct PollTimingCase {
    int libraryPeriod;
    int expectedPeriod;  // the period slept by SetPollTiming's own transaction and the next one
};

TEST(SetPollTimingTest, LibraryPeriodAboveOneTakesEffectAtOnceAndOnlyTheBridgePeriodIsSent) {
    const PollTimingCase cases[] = {{1, 300}, {0, 300}, {-5, 300}, {2, 2}, {50, 50}, {2000, 2000}};
    for (const PollTimingCase& c : cases) {
        SCOPED_TRACE(c.libraryPeriod);
        FakeBridgeService service;
        vantrel::g_pollPeriodMs = 300;  // not the default, so "unchanged" cannot pass by accident

        EXPECT_EQ(KovSLIMbusBridgeSetPollTiming(c.libraryPeriod, 500), 0);
        EXPECT_EQ(service.lastCommand(), "SetPollTiming,029,500");
        EXPECT_EQ(service.sleepPeriods(), Periods(c.expectedPeriod));

        service.ResetCounters();
        EXPECT_EQ(KovSLIMbusClose(), 0);
        EXPECT_EQ(service.sleepPeriods(), Periods(c.expectedPeriod));
    }
}

TEST(OpenTest, ResetsPollPeriodAndReplyBufferAndClearsAStaleMailbox) {
    FakeBridgeService service;
    KovSLIMbusBridgeSetPollTiming(50, 500);
    service.Respond(0, "old reply\r\n");
    KovSLIMbusBridgeLoadScript("s.scr");
    ASSERT_STREQ(vantrel::g_replyBuffer, "old reply\n");

    // A busy marker left behind by a crashed service would refuse every command; Open clears it.
    FakeBridgeService::WriteFile(service.paths().busyMarker, "");
    service.ResetCounters();
    service.Respond(4);
    EXPECT_EQ(KovSLIMbusOpen(), 4);
    EXPECT_EQ(service.lastCommand(), "Open,001");
    EXPECT_EQ(service.sleepPeriods(), Periods(200));
    EXPECT_EQ(vantrel::g_replyBuffer[0], '\0');
    EXPECT_EQ(vantrel::g_pollPeriodMs, 200);
}

TEST(OpenTest, CreatesTheMailboxDirectoryThatOtherCommandsNeed) {
    FakeBridgeService service;
    service.RemoveMailboxDirectory();
    EXPECT_EQ(KovSLIMbusClose(), KOV_COMMAND_BUSY);
    EXPECT_EQ(KovSLIMbusOpen(), 0);
    EXPECT_EQ(KovSLIMbusClose(), 0);
    EXPECT_EQ(service.commands(), (std::vector<std::string>{"Open,001", "Close,002"}));
}

}  // namespace
