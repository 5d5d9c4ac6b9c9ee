// The real shared library against a real bridge-sim process on the real file system. Each test
// starts its own simulator on a fresh Wine prefix, so tests can run side by side. The library
// polls every 2 ms (set by the first command; Open would put it back to 200).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

#include "sim_process.h"
#include "vantrel.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFastPollMs = 2;

class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/bridge-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        prefix_ = pattern;
        mailbox_ = prefix_ + "/drive_c/qbx/tmp/";
        setenv("WINEPREFIX", prefix_.c_str(), 1);
    }

    void TearDown() override {
        if (sim_) {
            EXPECT_EQ(sim_->Stop(SIGTERM), 0) << "bridge-sim ends cleanly on SIGTERM";
            EXPECT_FALSE(Exists("__bridge_busy.txt")) << "no busy marker left behind";
        }
        unsetenv("WINEPREFIX");
        std::system(("rm -rf '" + prefix_ + "'").c_str());
    }

    // Starts bridge-sim (it creates the mailbox) and sets the fast poll period.
    void Start(std::vector<std::string> args = {}) {
        sim_ = std::make_unique<bridge_sim::SimProcess>(BRIDGE_SIM_PATH, args);
        ASSERT_TRUE(sim_->ready()) << sim_->error();
        ASSERT_GE(KovSLIMbusBridgeSetPollTiming(kFastPollMs, kFastPollMs), 0);
    }

    bool Exists(const char* name) const { return access((mailbox_ + name).c_str(), F_OK) == 0; }
    std::string File(const std::string& name, const std::string& text) const {
        const std::string path = prefix_ + "/" + name;
        std::ofstream(path) << text;
        return path;
    }
    static std::string Reply() {
        char buffer[512] = "";
        KovSLIMbusGetReply(buffer, sizeof buffer);
        return buffer;
    }

    std::string prefix_;
    std::string mailbox_;
    std::unique_ptr<bridge_sim::SimProcess> sim_;
};

// --- every export, with the inotify watcher and with the polling fallback ----------------------

class EveryExport : public SimulatorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryExport, WorksAgainstTheSimulator) {
    std::vector<std::string> args;
    if (std::strcmp(GetParam(), "polling") == 0) args.push_back("--poll");
    Start(args);

    const std::string script = File("gear.txt", "0,BEGIN_RECONFIGURATION,255,\n0,NEXT_CLOCK_GEAR,255,,9\n0,RECONFIGURE_NOW,255,\n");
    const std::string library = File("lib.txt", "script 1 gear 8\n0,0x40,255,\n0,0x46,255,,8\n0,0x5F,255,\n");
    const std::string automator = File("auto.txt", "1\n");
    const std::string project = File("project.txt", "library = lib.txt\nscript = gear.txt\n");
    const std::string registers = prefix_ + "/regs.txt";
    const std::string liveView = prefix_ + "/live.txt";
    char content[512] = "";
    char data[512] = "";
    int a = -1, b = -1, c = -1, d = -1, e = -1, f = -1, g = -1, h = -1, i = -1, j = -1, k = -1;
    int rates[12];
    int* ratePointers[12];
    for (int n = 0; n < 12; ++n) ratePointers[n] = &rates[n];
    char s1[512], s2[512], s3[512], ports[16];

    struct Row {
        const char* name;
        std::function<int()> call;
        int expected;
        const char* reply;  // the reply fetched afterwards, or null not to look
    };
    const Row rows[] = {
        {"Open", [] { return KovSLIMbusOpen(); }, 0, nullptr},
        {"SetPollTiming", [] { return KovSLIMbusBridgeSetPollTiming(kFastPollMs, kFastPollMs); }, 0, "bridge poll period 2 ms"},
        {"GetSWVersion", [] { return KovSLIMbusGetSWVersion(); }, 0, "132097"},
        {"GetDLLVersion", [] { return KovSLIMbusGetDLLVersion(); }, 265, nullptr},
        {"Reset", [] { return KovSLIMbusBridgeReset(); }, 0, "bridge reset"},
        {"RequestModel", [&] { return KovSLIMbusBridgeRequestModel(s1, s2, s3); }, 0, nullptr},
        {"FramerControl", [] { return KovSLIMbusBridgeFramerControl(1); }, 0, "framer on"},
        {"ManagerControl", [] { return KovSLIMbusBridgeManagerControl(1); }, 0, "manager on"},
        {"SnifferControl", [] { return KovSLIMbusBridgeSnifferControl(1); }, 0, "sniffer on"},
        {"RequestBridgeConfiguration", [] { return KovSLIMbusBridgeRequestBridgeConfiguration(); }, 0, nullptr},
        {"LoadScript", [&] { return KovSLIMbusBridgeLoadScript(script.c_str()); }, 0, nullptr},
        {"PlayBuffer", [] { return KovSLIMbusBridgePlayBuffer(); }, 0, nullptr},
        {"PlayScript", [&] { return KovSLIMbusBridgePlayScript(script.c_str()); }, 0, nullptr},
        {"LoadScriptLibrary", [&] { return KovSLIMbusBridgeLoadScriptLibrary(library.c_str()); }, 0, nullptr},
        {"PlayScriptFromLibrary", [] { return KovSLIMbusBridgePlayScriptFromLibrary(1); }, 0, "script 1: 3 messages played"},
        {"LoadScriptAutomator", [&] { return KovSLIMbusBridgeLoadScriptAutomator(automator.c_str()); }, 0, nullptr},
        {"LoadProjectFile", [&] { return KovSLIMbusBridgeLoadProjectFile(project.c_str()); }, 0, nullptr},
        {"RequestScriptLibraryContent", [&] { return KovSLIMbusBridgeRequestScriptLibraryContent(content); }, 0, "1 scripts: 1 gear 8 (3 messages)"},
        {"RequestBusStatus", [&] { return KovSLIMbusBridgeRequestBusStatus(&a, &b, &c, &d); }, 0, nullptr},
        {"RequestPortConfiguration", [&] { return KovSLIMbusBridgeRequestPortConfiguration(ports, &a, &b, &c, &d); }, 0, nullptr},
        {"PlayMessage", [] { return KovSLIMbusBridgePlayMessage(0, 0x68, "   255", "    16", "8,0,5"); }, 0, "sent CHANGE_VALUE to 16"},
        {"WriteRegister", [] { return KovSLIMbusBridgeWriteRegister(16, 1, "6,7,8"); }, 0, "3 bytes written at 0x001"},
        {"ReadRegister", [&] { return KovSLIMbusBridgeReadRegister(16, 0, 4, data); }, 0, "5,6,7,8"},
        // Since Reset: four scripts of three messages, the CHANGE_VALUE, the write, and the read
        // with its answer.
        {"LiveViewCount", [] { return KovSLIMbusBridgeLiveViewCount(); }, 16, nullptr},
        {"ExportLiveView", [&] { return KovSLIMbusBridgeExportLiveView(liveView.c_str(), 14); }, 0, "2 entries exported to "},
        {"UseLiterals", [] { return KovSLIMbusBridgeUseLiterals(1); }, 1, "1,literals on"},
        {"ClearLiveView", [] { return KovSLIMbusBridgeClearLiveView(); }, 16, "16,entries cleared"},
        {"ExportRegister", [&] { return KovSLIMbusBridgeExportRegister(registers.c_str()); }, 0, nullptr},
        {"ImportRegister", [&] { return KovSLIMbusBridgeImportRegister(registers.c_str(), 17, 4); }, 0, nullptr},
        {"ReportFramerConfig", [&] { return KovSLIMbusBridgeReportFramerConfig(&a, &b, &c, &d, &e); }, 0, nullptr},
        {"ReportPhyConfig", [&] { return KovSLIMbusBridgeReportPhyConfig(&a, &b, &c); }, 0, nullptr},
        {"ReportClkConfig", [&] { return KovSLIMbusBridgeReportClkConfig(&a, &b, &c, &d, &e, &f, &g); }, 0, nullptr},
        {"ReportDigAudioConfig", [&] { return KovSLIMbusBridgeReportDigAudioConfig(&a, &b, &c, &d, &e, &f, &g, &h, &i, &j, &k); }, 0, nullptr},
        {"ReportDataPathConfig", [&] { return KovSLIMbusBridgeReportDataPathConfig(&a, &b, &c, &d, &e, &f, &g, &h); }, 0, nullptr},
        {"ReportPresenceRate", [&] { return KovSLIMbusBridgeReportPresenceRate(ratePointers); }, 0, nullptr},
        {"IPReset", [] { return KovSLIMbusBridgeIPReset(); }, 0, "0,IP reset"},
        {"DebugMakeReply", [] { return KovSLIMbusDebugMakeReply("made here"); }, 1, "made here"},
        {"Close", [] { return KovSLIMbusClose(); }, 0, "bridge closed"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.call(), row.expected) << row.name << ": " << Reply();
        if (row.reply != nullptr) {
            EXPECT_EQ(Reply().rfind(row.reply, 0), 0u) << row.name << ": " << Reply();
        }
    }
    EXPECT_STREQ(content, "1 scripts: 1 gear 8 (3 messages)");
    EXPECT_STREQ(data, "5,6,7,8");
    std::ifstream exported(liveView);
    const std::string text(std::istreambuf_iterator<char>(exported), {});
    EXPECT_NE(text.find("0,0x64,16,255,"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Watchers, EveryExport, ::testing::Values("inotify", "polling"));

// --- replies taken apart by the library ---------------------------------------------------------

TEST_F(SimulatorTest, ParsedRepliesReachTheCaller) {
    Start();
    char model[512], firmware[512], ip[512];
    EXPECT_EQ(KovSLIMbusBridgeRequestModel(model, firmware, ip), 0);
    EXPECT_STREQ(model, "SLIMbus bridge simulator");
    EXPECT_STREQ(firmware, "3.2.1");
    EXPECT_STREQ(ip, "1.4") << "no line end is left in the last field";

    ASSERT_EQ(KovSLIMbusBridgePlayMessage(0, 0x40, "   255", "      ", ""), 0) << Reply();
    ASSERT_EQ(KovSLIMbusBridgePlayMessage(0, 0x46, "   255", "      ", "6"), 0) << Reply();
    ASSERT_EQ(KovSLIMbusBridgePlayMessage(0, 0x47, "   255", "      ", "2"), 0) << Reply();
    ASSERT_EQ(KovSLIMbusBridgePlayMessage(0, 0x5F, "   255", "      ", ""), 0) << Reply();
    int cg = -1, rf = -1, frozen = -1, paused = -1;
    EXPECT_EQ(KovSLIMbusBridgeRequestBusStatus(&cg, &rf, &frozen, &paused), 0);
    EXPECT_EQ((std::vector<int>{cg, rf, frozen, paused}), (std::vector<int>{6, 2, 0, 0}));

    ASSERT_EQ(KovSLIMbusBridgePlayMessage(0, 0x10, "   255", "     2", "1,4"), 0) << Reply();
    char ports[16] = "";
    int in = -1, inMismatch = -1, out = -1, outMismatch = -1;
    EXPECT_EQ(KovSLIMbusBridgeRequestPortConfiguration(ports, &in, &inMismatch, &out, &outMismatch), 0);
    EXPECT_STREQ(ports, "-O------");
    // 48 kHz channels on the 44.1 kHz family's root frequency: both mismatch.
    EXPECT_EQ((std::vector<int>{in, inMismatch, out, outMismatch}), (std::vector<int>{3, 1, 3, 1}));

    int f[5];
    EXPECT_EQ(KovSLIMbusBridgeReportFramerConfig(&f[0], &f[1], &f[2], &f[3], &f[4]), 0);
    EXPECT_EQ((std::vector<int>(f, f + 5)), (std::vector<int>{2, 0x1F, 6, 2, 1}));
    int dp[8];
    EXPECT_EQ(KovSLIMbusBridgeReportDataPathConfig(&dp[0], &dp[1], &dp[2], &dp[3], &dp[4], &dp[5], &dp[6], &dp[7]), 0);
    EXPECT_EQ((std::vector<int>(dp, dp + 8)), (std::vector<int>{1, 2, 0, 3, 0x10, 0, 0x11, 0}));
    int rates[12];
    int* pointers[12];
    for (int n = 0; n < 12; ++n) pointers[n] = &rates[n];
    EXPECT_EQ(KovSLIMbusBridgeReportPresenceRate(pointers), 0);
    EXPECT_EQ((std::vector<int>(rates, rates + 12)), (std::vector<int>{3, 3, 3, 3, 11, 11, 17, 18, 0, 0, 0, 0}));
}

// --- registers -----------------------------------------------------------------------------------

TEST_F(SimulatorTest, RegisterWrittenIsReadBack) {
    Start();
    struct Case {
        int device;
        int address;
        const char* data;
    };
    const Case cases[] = {
        {16, 0, "255"},
        {16, 0x100, "1,2"},
        {17, 0x200, "3,4,5"},
        {17, 0x300, "6,7,8,9"},
        {1, 0x10, "1,2,3,4,5,6"},
        {2, 0x20, "1,2,3,4,5,6,7,8"},
        {16, 0x400, "1,2,3,4,5,6,7,8,9,10,11,12"},
        {17, 0xBF0, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(KovSLIMbusBridgeWriteRegister(c.device, c.address, c.data), 0) << c.data << ": " << Reply();
        const int size = static_cast<int>(std::count(c.data, c.data + std::strlen(c.data), ',')) + 1;
        char data[512] = "";
        ASSERT_EQ(KovSLIMbusBridgeReadRegister(c.device, c.address, size, data), 0) << Reply();
        EXPECT_STREQ(data, c.data);
    }
    // A refused read: the bridge's status, the caller's buffer untouched, the reason in the reply.
    char untouched[512] = "sentinel";
    EXPECT_EQ(KovSLIMbusBridgeReadRegister(99, 0, 4, untouched), KOV_HARDWARE_NOT_CONNECTED);
    EXPECT_STREQ(untouched, "sentinel");
    EXPECT_EQ(Reply(), "no device at logical address 99");
    EXPECT_EQ(KovSLIMbusBridgeReadRegister(16, 0, 5, untouched), KOV_INVALID_VALUE);
    EXPECT_EQ(KovSLIMbusBridgeWriteRegister(16, 0xBFF, "1,2"), KOV_INVALID_VALUE);
    EXPECT_EQ(Reply(), "a slice of 2 bytes at 0xBFF runs past 0xBFF");
}

TEST_F(SimulatorTest, RegistersRoundTripThroughExportAndImport) {
    Start();
    ASSERT_EQ(KovSLIMbusBridgeWriteRegister(16, 0x10, "10,20,30,40"), 0);
    ASSERT_EQ(KovSLIMbusBridgeWriteRegister(16, 0xBF8, "1,2,3,4,5,6,7,8"), 0);
    const std::string file = prefix_ + "/registers.txt";
    ASSERT_EQ(KovSLIMbusBridgeExportRegister(file.c_str()), 0) << Reply();
    ASSERT_EQ(KovSLIMbusBridgeReset(), 0);
    char data[512] = "";
    ASSERT_EQ(KovSLIMbusBridgeReadRegister(16, 0x10, 4, data), 0);
    ASSERT_STREQ(data, "0,0,0,0");
    ASSERT_EQ(KovSLIMbusBridgeImportRegister(file.c_str(), 16, 8), 0) << Reply();
    ASSERT_EQ(KovSLIMbusBridgeReadRegister(16, 0x10, 4, data), 0);
    EXPECT_STREQ(data, "10,20,30,40");
    ASSERT_EQ(KovSLIMbusBridgeReadRegister(16, 0xBF8, 8, data), 0);
    EXPECT_STREQ(data, "1,2,3,4,5,6,7,8");
    EXPECT_EQ(KovSLIMbusBridgeImportRegister((prefix_ + "/missing.txt").c_str(), 16, 8), KOV_FILE_READ_ERROR);
}

// --- the busy marker and the end of the simulator -------------------------------------------

TEST_F(SimulatorTest, MarkerPresentBeforeTheCommandRefusesAtOnce) {
    Start();
    std::ofstream(mailbox_ + "__bridge_busy.txt") << "";
    const auto begin = Clock::now();
    EXPECT_EQ(KovSLIMbusClose(), KOV_NO_BUS_ACTIVITY_SEEN);
    EXPECT_LT(Clock::now() - begin, std::chrono::milliseconds(100));
    EXPECT_EQ(Reply(), "bridge poll period 2 ms") << "the previous reply is still there";
    unlink((mailbox_ + "__bridge_busy.txt").c_str());
    EXPECT_EQ(KovSLIMbusClose(), 0);
}

TEST_F(SimulatorTest, MailboxRemovedWhileRunningIsServedAgainOnceOpenRecreatesIt) {
    Start();
    ASSERT_EQ(std::system(("rm -rf '" + prefix_ + "/drive_c/qbx'").c_str()), 0);
    EXPECT_EQ(KovSLIMbusClose(), KOV_COMMAND_BUSY) << "no mailbox: the command file cannot be written";
    EXPECT_EQ(KovSLIMbusOpen(), 0);
    EXPECT_EQ(KovSLIMbusClose(), 0);
    EXPECT_EQ(Reply(), "bridge closed");
}

class StopSignal : public SimulatorTest, public ::testing::WithParamInterface<int> {};

TEST_P(StopSignal, WhileBusyLeavesNoMarker) {
    Start({"--busy-for", "60000", "--fault-keyword", "Close"});
    // Post the command as the library would, without blocking on it.
    unlink((mailbox_ + "__bridge_status.txt").c_str());
    unlink((mailbox_ + "__bridge_reply.txt").c_str());
    std::ofstream(mailbox_ + "__bridge_cmd.txt", std::ios::binary) << "Close,002";
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!Exists("__bridge_busy.txt") && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(Exists("__bridge_busy.txt"));
    EXPECT_EQ(sim_->Stop(GetParam()), 0);
    sim_.reset();
    EXPECT_FALSE(Exists("__bridge_busy.txt"));
    EXPECT_FALSE(Exists("__bridge_status.txt"));
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignal, ::testing::Values(SIGTERM, SIGINT));

// --- fault options: the codes the library promises, and the transaction after ------------------

struct FaultCase {
    const char* name;
    std::vector<std::string> args;
    std::function<void(SimulatorTest&)> check;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class Fault : public SimulatorTest, public ::testing::WithParamInterface<FaultCase> {
public:
    using SimulatorTest::Exists;
};

TEST_P(Fault, GivesThePromisedResultAndLeavesNothingBehind) {
    Start(GetParam().args);
    GetParam().check(*this);
}

// Milliseconds an export took.
template <typename Call>
long long Timed(Call call, int& result) {
    const auto begin = Clock::now();
    result = call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin).count();
}

const FaultCase kFaultCases[] = {
    {"NeverAnswer", {"--never-answer", "--fault-keyword", "GetSWVersion"},
     [](SimulatorTest& t) {
         EXPECT_EQ(KovSLIMbusGetSWVersion(), KOV_INVALID_VALUE);
         EXPECT_TRUE(static_cast<Fault&>(t).Exists("__bridge_cmd.txt")) << "the command stays";
         EXPECT_EQ(KovSLIMbusClose(), 0) << "the next transaction is served";
     }},
    {"LeaveBusy", {"--leave-busy", "60000", "--fault-keyword", "GetSWVersion"},
     [](SimulatorTest& t) {
         auto& f = static_cast<Fault&>(t);
         EXPECT_EQ(KovSLIMbusGetSWVersion(), KOV_NO_BUS_ACTIVITY_SEEN);
         EXPECT_TRUE(f.Exists("__bridge_cmd.txt"));
         EXPECT_TRUE(f.Exists("__bridge_status.txt"));
         EXPECT_TRUE(f.Exists("__bridge_busy.txt"));
         EXPECT_EQ(KovSLIMbusClose(), KOV_NO_BUS_ACTIVITY_SEEN) << "the marker refuses the next command";
         EXPECT_EQ(KovSLIMbusOpen(), 0) << "Open clears the mailbox";
         EXPECT_EQ(KovSLIMbusBridgeSetPollTiming(kFastPollMs, kFastPollMs), 0);
         EXPECT_EQ(KovSLIMbusClose(), 0);
     }},
    {"BusyFor", {"--busy-for", "3000", "--fault-keyword", "GetSWVersion"},
     [](SimulatorTest&) {
         int result = 0;
         EXPECT_GE(Timed([] { return KovSLIMbusGetSWVersion(); }, result), 3000);
         EXPECT_EQ(result, 0) << "a standing marker is waited for past the limit";
         EXPECT_EQ(KovSLIMbusClose(), 0);
     }},
    {"AnswerLate", {"--answer-late", "100", "--fault-keyword", "GetSWVersion"},
     [](SimulatorTest&) {
         int result = -1;
         EXPECT_GE(Timed([] { return KovSLIMbusGetSWVersion(); }, result), 100);
         EXPECT_EQ(result, 0);
         EXPECT_EQ(KovSLIMbusClose(), 0);
     }},
    {"AnswerTooLate", {"--answer-late", "2500", "--fault-keyword", "GetSWVersion"},
     [](SimulatorTest&) {
         EXPECT_EQ(KovSLIMbusGetSWVersion(), KOV_INVALID_VALUE);
         // The late answer belongs to a command the library gave up on; the simulator drops it
         // rather than let the next command take it for its own.
         EXPECT_EQ(KovSLIMbusClose(), 0);
         char reply[512] = "";
         EXPECT_EQ(KovSLIMbusGetReply(reply, sizeof reply), 0);
         EXPECT_STREQ(reply, "bridge closed");
     }},
    {"ForcedNegativeStatus", {"--status", "-3", "--fault-keyword", "Close"},
     [](SimulatorTest&) {
         EXPECT_EQ(KovSLIMbusClose(), KOV_FILE_WRITE_ERROR);
         char data[512] = "sentinel";
         EXPECT_EQ(KovSLIMbusBridgeReadRegister(16, 0, 1, data), 0);
         EXPECT_STREQ(data, "0");
     }},
    {"ForcedPositiveStatus", {"--status", "5"},
     [](SimulatorTest&) {
         EXPECT_EQ(KovSLIMbusClose(), 5);
         int x[3] = {-1, -1, -1};
         EXPECT_EQ(KovSLIMbusBridgeReportPhyConfig(&x[0], &x[1], &x[2]), 0) << "a report drops the status";
         EXPECT_EQ(KovSLIMbusBridgeLiveViewCount(), 0) << "a numeric reply returns the reply's number";
     }},
    {"MalformedReply", {"--malformed-reply"},
     [](SimulatorTest&) {
         int f[5] = {-1, -1, -1, -1, -1};
         EXPECT_EQ(KovSLIMbusBridgeReportFramerConfig(&f[0], &f[1], &f[2], &f[3], &f[4]), -11);
         EXPECT_EQ((std::vector<int>(f, f + 5)), (std::vector<int>{1, -1, -1, -1, -1}));
         int s[4] = {-1, -1, -1, -1};
         EXPECT_EQ(KovSLIMbusBridgeRequestBusStatus(&s[0], &s[1], &s[2], &s[3]), 0);
         EXPECT_EQ((std::vector<int>(s, s + 4)), (std::vector<int>{-1, -1, -1, -1}));
         char m[512] = "x", fw[512] = "x", ip[512] = "x";
         EXPECT_EQ(KovSLIMbusBridgeRequestModel(m, fw, ip), 0);
         EXPECT_STREQ(m, "");
         EXPECT_STREQ(ip, "");
         EXPECT_EQ(KovSLIMbusBridgeClearLiveView(), 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Options, Fault, ::testing::ValuesIn(kFaultCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

}  // namespace
