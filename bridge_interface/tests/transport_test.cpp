// The mailbox transaction: busy test, both waiting loops, status read, and what each way out
// leaves in the mailbox. The scripted service acts between polls, so sleep counts are exact.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "fake_bridge_service.h"
#include "mailbox_paths.h"
#include "poll_sleep.h"
#include "transport.h"
#include "vantrel.h"

using vantrel::testing::FakeBridgeService;

namespace {

class TransportTest : public ::testing::Test {
protected:
    bool Exists(const std::string& path) const { return FakeBridgeService::Exists(path); }
    void Write(const std::string& path, const std::string& bytes) const {
        FakeBridgeService::WriteFile(path, bytes);
    }

    FakeBridgeService service;
    const vantrel::MailboxPaths& paths = service.paths();
};

TEST_F(TransportTest, StatusWrittenBeforeFirstPollReturnsAfterExactlyTwoSleeps) {
    service.Respond(42, "reply\r\n");
    EXPECT_EQ(KovSLIMbusClose(), 42);
    EXPECT_EQ(service.sleeps(), 2);
    EXPECT_EQ(service.lastCommand(), "Close,002");
    EXPECT_FALSE(Exists(paths.commandFile));
    EXPECT_FALSE(Exists(paths.busyMarker));
    EXPECT_TRUE(Exists(paths.statusFile));
    EXPECT_TRUE(Exists(paths.replyFile));
}

TEST_F(TransportTest, BusyMarkerHeldLongWaitsWithoutLimitThenReturnsStatus) {
    // 50 polls at 200 ms is five times the waiting limit: the standing marker resets the count.
    service.onSleep = [&](int sleep, int) {
        if (sleep == 1) Write(paths.busyMarker, "");
        if (sleep == 50) {
            Write(paths.statusFile, "7\r\n");
            FakeBridgeService::Remove(paths.busyMarker);
        }
    };
    EXPECT_EQ(KovSLIMbusClose(), 7);
    EXPECT_EQ(service.sleeps(), 51);
}

TEST_F(TransportTest, BusyMarkerStayingAfterStatusGivesMinus8AndLeavesEverything) {
    service.onSleep = [&](int sleep, int) {
        if (sleep == 1) {
            Write(paths.busyMarker, "");
            Write(paths.statusFile, "0\r\n");
        }
    };
    EXPECT_EQ(KovSLIMbusClose(), KOV_NO_BUS_ACTIVITY_SEEN);
    EXPECT_EQ(service.sleeps(), 1 + 10);
    EXPECT_TRUE(Exists(paths.commandFile));
    EXPECT_TRUE(Exists(paths.statusFile));
    EXPECT_TRUE(Exists(paths.busyMarker));
}

TEST_F(TransportTest, BusyMarkerBeforeCommandRefusesAtOnceAndKeepsPreviousReply) {
    service.Respond(0, "previous reply\n");
    ASSERT_EQ(KovSLIMbusClose(), 0);
    service.ResetCounters();
    Write(paths.busyMarker, "");

    EXPECT_EQ(KovSLIMbusGetSWVersion(), KOV_NO_BUS_ACTIVITY_SEEN);
    EXPECT_EQ(service.sleeps(), 0);
    EXPECT_FALSE(Exists(paths.commandFile));
    EXPECT_TRUE(Exists(paths.statusFile));
    char reply[64] = "untouched";
    EXPECT_EQ(KovSLIMbusGetReply(reply, sizeof reply), 0);
    EXPECT_STREQ(reply, "previous reply\n");
}

struct SilentServiceCase {
    int pollPeriodMs;
    int expectedSleeps;
};

void PrintTo(const SilentServiceCase& c, std::ostream* out) { *out << c.pollPeriodMs << " ms"; }

class SilentServiceTest : public TransportTest,
                          public ::testing::WithParamInterface<SilentServiceCase> {};

TEST_P(SilentServiceTest, NoAnswerAndNoMarkerTimesOutWithMinus7AndLeavesCommand) {
    service.onSleep = [](int, int) {};
    vantrel::g_pollPeriodMs = GetParam().pollPeriodMs;
    EXPECT_EQ(KovSLIMbusClose(), KOV_INVALID_VALUE);
    EXPECT_EQ(service.sleeps(), GetParam().expectedSleeps);
    EXPECT_TRUE(Exists(paths.commandFile));
    EXPECT_FALSE(Exists(paths.statusFile));
}

INSTANTIATE_TEST_SUITE_P(PollPeriods, SilentServiceTest,
                         ::testing::Values(SilentServiceCase{200, 10}, SilentServiceCase{300, 7},
                                           SilentServiceCase{2000, 1}, SilentServiceCase{2500, 1}));

TEST_F(TransportTest, PollPeriodIsReadAfreshForEverySleep) {
    service.onSleep = [&](int sleep, int) {
        if (sleep == 1) vantrel::g_pollPeriodMs = 1000;  // changed while the command waits
    };
    EXPECT_EQ(KovSLIMbusClose(), KOV_INVALID_VALUE);
    EXPECT_EQ(service.sleepPeriods(), (std::vector<int>{200, 1000, 1000}));
}

TEST_F(TransportTest, MissingMailboxDirectoryGivesMinus6) {
    service.RemoveMailboxDirectory();
    EXPECT_EQ(KovSLIMbusClose(), KOV_COMMAND_BUSY);
    EXPECT_EQ(service.sleeps(), 0);
}

TEST_F(TransportTest, StatusFileGoneWhenReadGivesMinus7AndCleansUp) {
    service.onSleep = [&](int sleep, int) {
        if (sleep == 1) Write(paths.statusFile, "5\r\n");
        if (sleep == 2) FakeBridgeService::Remove(paths.statusFile);
    };
    EXPECT_EQ(KovSLIMbusClose(), KOV_INVALID_VALUE);
    EXPECT_FALSE(Exists(paths.commandFile));
}

TEST_F(TransportTest, StartOfTransactionRemovesOldStatusAndReply) {
    Write(paths.statusFile, "9\r\n");
    Write(paths.replyFile, "stale\r\n");
    service.onSleep = [&](int sleep, int) {
        if (sleep == 1) {
            EXPECT_FALSE(Exists(paths.statusFile));
            EXPECT_FALSE(Exists(paths.replyFile));
            Write(paths.statusFile, "1");
        }
    };
    EXPECT_EQ(KovSLIMbusClose(), 1);
    char reply[16] = "untouched";
    EXPECT_EQ(KovSLIMbusGetReply(reply, sizeof reply), KOV_INVALID_VALUE);
    EXPECT_STREQ(reply, "untouched");
}

struct StatusLineCase {
    const char* bytes;
    int expected;
};

void PrintTo(const StatusLineCase& c, std::ostream* out) { *out << '"' << c.bytes << '"'; }

class StatusLineTest : public TransportTest, public ::testing::WithParamInterface<StatusLineCase> {};

TEST_P(StatusLineTest, StatusLineConvertsToResult) {
    service.onSleep = [&](int sleep, int) {
        if (sleep == 1) Write(paths.statusFile, GetParam().bytes);
    };
    EXPECT_EQ(KovSLIMbusClose(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StatusLineTest,
    ::testing::Values(StatusLineCase{"  42 and more\r\n", 42}, StatusLineCase{"-3\r\n", -3},
                      StatusLineCase{"+12", 12}, StatusLineCase{"\t\v\f 8", 8},
                      StatusLineCase{"busy doing things\r\n", 0}, StatusLineCase{"\r\n", 0},
                      StatusLineCase{"\r\n5\r\n", 0},  // only the first line counts
                      StatusLineCase{"4294967297", 1},  // wraps modulo 2^32
                      StatusLineCase{"-2147483648", -2147483647 - 1},
                      // an empty status file carries no number: never taken for success
                      StatusLineCase{"", KOV_INVALID_VALUE}));

TEST_F(TransportTest, OnlyTheFirst127CharactersOfTheStatusLineCount) {
    const std::string line = std::string(126, ' ') + "12";  // the digit 2 is character 128
    service.onSleep = [&](int sleep, int) {
        if (sleep == 1) Write(paths.statusFile, line);
    };
    EXPECT_EQ(KovSLIMbusClose(), 1);
}

// ---- The reply file ----

struct ReplyFetchCase {
    const char* name;
    const char* fileBytes;  // null: no reply file
    int length;
    int expectedResult;
    const char* expectedBuffer;
};

void PrintTo(const ReplyFetchCase& c, std::ostream* out) { *out << c.name; }

class ReplyFetchTest : public TransportTest, public ::testing::WithParamInterface<ReplyFetchCase> {};

TEST_P(ReplyFetchTest, FetchesFirstLineAsStored) {
    const ReplyFetchCase& c = GetParam();
    if (c.fileBytes != nullptr) Write(paths.replyFile, c.fileBytes);
    char buffer[32];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    buffer[31] = '\0';
    EXPECT_EQ(KovSLIMbusGetReply(buffer, c.length), c.expectedResult);
    EXPECT_STREQ(buffer, c.expectedBuffer);
}

const std::string kUntouched(31, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplyFetchTest,
    ::testing::Values(
        ReplyFetchCase{"FirstLineOnlyWithItsLineFeed", "one,two\r\nthree\r\n", 32, 0, "one,two\n"},
        ReplyFetchCase{"BareLineFeedEndsTheLine", "a\nb\n", 32, 0, "a\n"},
        ReplyFetchCase{"LoneCarriageReturnIsKept", "a\rb", 32, 0, "a\rb"},
        ReplyFetchCase{"NoLineEndAtAll", "last", 32, 0, "last"},
        ReplyFetchCase{"CutToLengthMinusOne", "abcdefgh\r\n", 5, 0, "abcd"},
        ReplyFetchCase{"CarriageReturnLineFeedCountsAsOne", "abc\r\n", 5, 0, "abc\n"},
        ReplyFetchCase{"LengthOneGivesEmptyText", "abc", 1, 0, ""},
        ReplyFetchCase{"LengthZeroReadsNothing", "abc", 0, KOV_INVALID_VALUE, kUntouched.c_str()},
        ReplyFetchCase{"NegativeLengthReadsNothing", "abc", -5, KOV_INVALID_VALUE,
                       kUntouched.c_str()},
        ReplyFetchCase{"EmptyFileLeavesBufferUntouched", "", 2, KOV_INVALID_VALUE,
                       kUntouched.c_str()},
        ReplyFetchCase{"MissingFileLeavesBufferUntouched", nullptr, 32, KOV_INVALID_VALUE,
                       kUntouched.c_str()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransportTest, DebugMakeReplyRoundTripsAndWritesCrLfOnDisk) {
    EXPECT_EQ(KovSLIMbusDebugMakeReply("first line\nsecond"), 1);
    EXPECT_EQ(FakeBridgeService::ReadFile(paths.replyFile), "first line\r\nsecond");
    char reply[64];
    EXPECT_EQ(KovSLIMbusGetReply(reply, sizeof reply), 0);
    EXPECT_STREQ(reply, "first line\n");
    EXPECT_EQ(KovSLIMbusGetReply(reply, sizeof reply), 0) << "a fetch does not consume the reply";

    EXPECT_EQ(KovSLIMbusClose(), 0);  // the next transaction removes it
    EXPECT_FALSE(Exists(paths.replyFile));
}

TEST_F(TransportTest, DebugMakeReplyAlwaysReturnsOne) {
    EXPECT_EQ(KovSLIMbusDebugMakeReply(nullptr), 1);
    EXPECT_FALSE(Exists(paths.replyFile));
    service.RemoveMailboxDirectory();
    EXPECT_EQ(KovSLIMbusDebugMakeReply("x"), 1);
}

TEST_F(TransportTest, CommandFileGetsCrLfForLineFeedsAndNoLineEndOfItsOwn) {
    std::optional<std::string> onDisk;
    service.onCommand = [&](const std::string&) { onDisk = FakeBridgeService::ReadFile(paths.commandFile); };
    EXPECT_EQ(KovSLIMbusBridgeLoadScript("a\nb"), 0);
    EXPECT_EQ(onDisk, "LoadScript,012,a\r\nb");
}

TEST_F(TransportTest, NullReplyBufferIsRefused) {
    Write(paths.replyFile, "x\r\n");
    EXPECT_EQ(KovSLIMbusGetReply(nullptr, 10), KOV_INVALID_VALUE);
}

// ---- Open and the mailbox location ----

TEST_F(TransportTest, OpenPreparesMailboxResetsPollPeriodAndReplyBuffer) {
    service.RemoveMailboxDirectory();
    vantrel::g_pollPeriodMs = 50;
    std::strcpy(vantrel::g_replyBuffer, "old reply");
    EXPECT_EQ(KovSLIMbusOpen(), 0);
    EXPECT_EQ(service.lastCommand(), "Open,001");
    EXPECT_EQ(service.sleepPeriods(), (std::vector<int>{200, 200}));
    EXPECT_STREQ(vantrel::g_replyBuffer, "");
}

TEST_F(TransportTest, OpenRemovesAStaleBusyMarker) {
    Write(paths.busyMarker, "");
    EXPECT_EQ(KovSLIMbusOpen(), 0);
    EXPECT_EQ(service.sleeps(), 2);
}

class MailboxLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"WINEPREFIX", "HOME"}) {
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
        }
    }
    void TearDown() override {
        ::unsetenv("WINEPREFIX");
        for (const auto& [name, value] : saved_) ::setenv(name.c_str(), value.c_str(), 1);
    }
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(MailboxLocationTest, WinePrefixDecidesElseHomeWine) {
    ::setenv("WINEPREFIX", "/opt/prefix", 1);
    EXPECT_EQ(vantrel::CurrentMailboxPaths().commandFile, "/opt/prefix/drive_c/qbx/tmp/__bridge_cmd.txt");
    ::setenv("WINEPREFIX", "", 1);
    ::setenv("HOME", "/home/tester", 1);
    EXPECT_EQ(vantrel::CurrentMailboxPaths().statusFile,
              "/home/tester/.wine/drive_c/qbx/tmp/__bridge_status.txt");
    ::unsetenv("WINEPREFIX");
    EXPECT_EQ(vantrel::CurrentMailboxPaths().busyMarker,
              "/home/tester/.wine/drive_c/qbx/tmp/__bridge_busy.txt");
}

TEST_F(MailboxLocationTest, PrepareMailboxCreatesDriveCWhenMissing) {
    FakeBridgeService service;  // a private prefix; then drop its drive C entirely
    std::filesystem::remove_all(std::filesystem::path(service.root()) / "drive_c");
    vantrel::PrepareMailbox();
    EXPECT_TRUE(std::filesystem::is_directory(service.paths().directory));
}

// ---- A real second thread on the real file system, no sleep hook ----

TEST(TransportWithRealService, WholeTransactionAtShortPollPeriod) {
    std::optional<FakeBridgeService> scope;
    scope.emplace();
    const vantrel::MailboxPaths paths = scope->paths();
    vantrel::SetPollSleepHookForTests(nullptr);  // real sleeps from here on
    vantrel::g_pollPeriodMs = 3;

    std::atomic<bool> stop{false};
    std::thread service([&] {
        while (!stop) {
            const auto command = FakeBridgeService::ReadFile(paths.commandFile);
            if (command && !command->empty() && !FakeBridgeService::Exists(paths.statusFile)) {
                FakeBridgeService::WriteFile(paths.busyMarker, "");
                FakeBridgeService::WriteFile(paths.replyFile, "echo " + *command + "\r\n");
                FakeBridgeService::WriteFile(paths.statusFile, "3\r\n");
                FakeBridgeService::Remove(paths.busyMarker);
            }
            std::this_thread::yield();
        }
    });
    char data[512] = "";
    const int result = KovSLIMbusBridgeReadRegister(2, 16, 4, data);
    stop = true;
    service.join();
    EXPECT_EQ(result, 3);
    EXPECT_STREQ(data, "echo ReadRegister,028,2,16,4\n");
    EXPECT_FALSE(FakeBridgeService::Exists(paths.commandFile));
}

}  // namespace
