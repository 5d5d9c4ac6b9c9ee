// What each command export does with the reply after a successful transaction (leave it, fetch
// it into the library's buffer, into the caller's buffer, or return its leading number), and
// that a failed transaction touches no output at all.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>

#include "fake_bridge_service.h"
#include "transport.h"
#include "vantrel.h"

using vantrel::testing::FakeBridgeService;

namespace {

constexpr int kSentinel = 12345;
constexpr char kSentinelText[] = "sentinel";
constexpr char kStaleReply[] = "stale,reply";

void SetReplyBuffer(const char* text) { std::strcpy(vantrel::g_replyBuffer, text); }

class ReplyKindTest : public ::testing::Test {
protected:
    void SetUp() override { SetReplyBuffer(kStaleReply); }
    FakeBridgeService service;
};

struct SimpleExport {
    const char* name;
    std::function<int()> call;
};

TEST_F(ReplyKindTest, NoneLeavesTheReplyInTheFileAndBufferFetchesItIntoTheLibrary) {
    const SimpleExport none[] = {
        {"Close", [] { return KovSLIMbusClose(); }},
        {"GetSWVersion", [] { return KovSLIMbusGetSWVersion(); }},
    };
    const SimpleExport buffer[] = {
        {"LoadProjectFile", [] { return KovSLIMbusBridgeLoadProjectFile("p"); }},
        {"PlayScript", [] { return KovSLIMbusBridgePlayScript("p"); }},
        {"LoadScriptLibrary", [] { return KovSLIMbusBridgeLoadScriptLibrary("p"); }},
        {"LoadScript", [] { return KovSLIMbusBridgeLoadScript("p"); }},
        {"PlayMessage", [] { return KovSLIMbusBridgePlayMessage(0, 1, "a", "b", "c"); }},
        {"PlayBuffer", [] { return KovSLIMbusBridgePlayBuffer(); }},
        {"PlayScriptFromLibrary", [] { return KovSLIMbusBridgePlayScriptFromLibrary(1); }},
        {"FramerControl", [] { return KovSLIMbusBridgeFramerControl(1); }},
        {"ManagerControl", [] { return KovSLIMbusBridgeManagerControl(1); }},
        {"SnifferControl", [] { return KovSLIMbusBridgeSnifferControl(1); }},
        {"Reset", [] { return KovSLIMbusBridgeReset(); }},
        {"RequestBridgeConfiguration", [] { return KovSLIMbusBridgeRequestBridgeConfiguration(); }},
        {"ImportRegister", [] { return KovSLIMbusBridgeImportRegister("p", 1, 2); }},
        {"ExportRegister", [] { return KovSLIMbusBridgeExportRegister("p"); }},
        {"ExportLiveView", [] { return KovSLIMbusBridgeExportLiveView("p", 0); }},
        {"WriteRegister", [] { return KovSLIMbusBridgeWriteRegister(1, 2, "3"); }},
        {"SetPollTiming", [] { return KovSLIMbusBridgeSetPollTiming(0, 100); }},
        {"LoadScriptAutomator", [] { return KovSLIMbusBridgeLoadScriptAutomator("p"); }},
    };
    for (const SimpleExport& e : none) {
        SCOPED_TRACE(e.name);
        SetReplyBuffer(kStaleReply);
        service.Respond(3, "fresh\r\nsecond line\r\n");
        EXPECT_EQ(e.call(), 3);
        EXPECT_STREQ(vantrel::g_replyBuffer, kStaleReply);
    }
    for (const SimpleExport& e : buffer) {
        SCOPED_TRACE(e.name);
        SetReplyBuffer(kStaleReply);
        service.Respond(3, "fresh\r\nsecond line\r\n");
        EXPECT_EQ(e.call(), 3);
        EXPECT_STREQ(vantrel::g_replyBuffer, "fresh\n");
    }
}

struct CallerExport {
    const char* name;
    std::function<int(char*)> call;
};

const CallerExport kCallerExports[] = {
    {"RequestScriptLibraryContent", [](char* b) { return KovSLIMbusBridgeRequestScriptLibraryContent(b); }},
    {"ReadRegister", [](char* b) { return KovSLIMbusBridgeReadRegister(1, 2, 4, b); }},
};

TEST_F(ReplyKindTest, CallerBufferGetsTheFirstLineAndIsLeftAloneWithoutAReplyFile) {
    for (const CallerExport& e : kCallerExports) {
        SCOPED_TRACE(e.name);
        char buffer[512];
        std::strcpy(buffer, kSentinelText);
        service.Respond(0);  // status 0, no reply file
        EXPECT_EQ(e.call(buffer), 0);
        EXPECT_STREQ(buffer, kSentinelText);

        service.Respond(2, "lib1,lib2\r\nsecond line\r\n");
        EXPECT_EQ(e.call(buffer), 2);
        EXPECT_STREQ(buffer, "lib1,lib2\n");
        EXPECT_STREQ(vantrel::g_replyBuffer, kStaleReply);
    }
}

TEST_F(ReplyKindTest, CallerBufferReceivesAtMost510CharactersAndTheirZero) {
    for (const CallerExport& e : kCallerExports) {
        SCOPED_TRACE(e.name);
        std::array<char, 600> buffer;
        buffer.fill('S');
        service.Respond(0, std::string(700, 'r') + "\r\n");
        EXPECT_EQ(e.call(buffer.data()), 0);
        EXPECT_EQ(std::string(buffer.data()), std::string(510, 'r'));
        EXPECT_EQ(buffer[511], 'S');
    }
}

const SimpleExport kNumericExports[] = {
    {"LiveViewCount", [] { return KovSLIMbusBridgeLiveViewCount(); }},
    {"IPReset", [] { return KovSLIMbusBridgeIPReset(); }},
    {"UseLiterals", [] { return KovSLIMbusBridgeUseLiterals(1); }},
    {"ClearLiveView", [] { return KovSLIMbusBridgeClearLiveView(); }},
};

TEST_F(ReplyKindTest, NumericRepliesReturnTheReplysLeadingNumberInPlaceOfTheStatus) {
    struct Case {
        const char* reply;
        int expected;
        const char* bufferAfter;  // the conversion leaves the buffer as fetched
    };
    const Case cases[] = {
        {"5,x\r\n", 5, "5,x\n"},
        {"-6\r\n", -6, "-6\n"},
        {"  17abc", 17, "  17abc"},
        {"text\r\n", 0, "text\n"},
        {"\r\n", 0, "\n"},
    };
    for (const SimpleExport& e : kNumericExports) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(e.name) + " [" + c.reply + "]");
            service.Respond(4, c.reply);  // a positive status is dropped
            EXPECT_EQ(e.call(), c.expected);
            EXPECT_STREQ(vantrel::g_replyBuffer, c.bufferAfter);
        }
    }
}

// Without a reply file the numeric replies read whatever the buffer still holds: a whole earlier
// line, or what an earlier parse left of one.
TEST_F(ReplyKindTest, NumericReplyWithoutReplyFileReadsTheBuffersEarlierLine) {
    for (const SimpleExport& e : kNumericExports) {
        SCOPED_TRACE(e.name);
        service.Respond(0, "23,a\r\n");
        KovSLIMbusBridgeLoadScript("s");
        service.Respond(0);
        EXPECT_EQ(e.call(), 23);

        int a = 0, b = 0, c = 0, d = 0;
        service.Respond(0, "-8,9,1,0\r\n");
        KovSLIMbusBridgeRequestBusStatus(&a, &b, &c, &d);
        service.Respond(0);
        EXPECT_EQ(e.call(), -8);
    }
}

// Every output an export can write, filled with sentinels.
struct Outputs {
    Outputs() {
        for (auto& text : texts) std::strcpy(text.data(), kSentinelText);
        ints.fill(kSentinel);
        for (int i = 0; i < 12; ++i) rates[i] = &ints[i];
    }
    void ExpectUntouched() const {
        for (const auto& text : texts) EXPECT_STREQ(text.data(), kSentinelText);
        for (int value : ints) EXPECT_EQ(value, kSentinel);
    }
    std::array<std::array<char, 512>, 3> texts;
    std::array<int, 12> ints;
    int* rates[12];
};

struct ExportWithOutputs {
    const char* name;
    std::function<int(Outputs&)> call;
};

const ExportWithOutputs kExportsWithOutputs[] = {
    {"RequestModel",
     [](Outputs& o) {
         return KovSLIMbusBridgeRequestModel(o.texts[0].data(), o.texts[1].data(), o.texts[2].data());
     }},
    {"RequestScriptLibraryContent",
     [](Outputs& o) { return KovSLIMbusBridgeRequestScriptLibraryContent(o.texts[0].data()); }},
    {"ReadRegister", [](Outputs& o) { return KovSLIMbusBridgeReadRegister(1, 2, 3, o.texts[0].data()); }},
    {"RequestPortConfiguration",
     [](Outputs& o) {
         int* i = o.ints.data();
         return KovSLIMbusBridgeRequestPortConfiguration(o.texts[0].data(), i, i + 1, i + 2, i + 3);
     }},
    {"RequestBusStatus",
     [](Outputs& o) {
         int* i = o.ints.data();
         return KovSLIMbusBridgeRequestBusStatus(i, i + 1, i + 2, i + 3);
     }},
    {"ReportFramerConfig",
     [](Outputs& o) {
         int* i = o.ints.data();
         return KovSLIMbusBridgeReportFramerConfig(i, i + 1, i + 2, i + 3, i + 4);
     }},
    {"ReportPhyConfig",
     [](Outputs& o) {
         int* i = o.ints.data();
         return KovSLIMbusBridgeReportPhyConfig(i, i + 1, i + 2);
     }},
    {"ReportClkConfig",
     [](Outputs& o) {
         int* i = o.ints.data();
         return KovSLIMbusBridgeReportClkConfig(i, i + 1, i + 2, i + 3, i + 4, i + 5, i + 6);
     }},
    {"ReportDigAudioConfig",
     [](Outputs& o) {
         int* i = o.ints.data();
         return KovSLIMbusBridgeReportDigAudioConfig(i, i + 1, i + 2, i + 3, i + 4, i + 5, i + 6, i + 7, i + 8,
                                                     i + 9, i + 10);
     }},
    {"ReportDataPathConfig",
     [](Outputs& o) {
         int* i = o.ints.data();
         return KovSLIMbusBridgeReportDataPathConfig(i, i + 1, i + 2, i + 3, i + 4, i + 5, i + 6, i + 7);
     }},
    {"ReportPresenceRate", [](Outputs& o) { return KovSLIMbusBridgeReportPresenceRate(o.rates); }},
    {"LiveViewCount", [](Outputs&) { return KovSLIMbusBridgeLiveViewCount(); }},
    {"IPReset", [](Outputs&) { return KovSLIMbusBridgeIPReset(); }},
    {"UseLiterals", [](Outputs&) { return KovSLIMbusBridgeUseLiterals(0); }},
    {"ClearLiveView", [](Outputs&) { return KovSLIMbusBridgeClearLiveView(); }},
};

constexpr char kCompleteReply[] = "a,b,c,d,e,f,g,h,1,2,3,4,5,6,7,8,9,10,11,12\r\n";

struct FailureCase {
    const char* name;
    std::function<void(FakeBridgeService&)> arrange;
    int expected;
};

TEST(FailedTransactionTest, ReturnsItsCodeAndTouchesNoOutputNorTheReplyBuffer) {
    const FailureCase failures[] = {
        {"status -3", [](FakeBridgeService& s) { s.Respond(-3, kCompleteReply); }, -3},
        {"status -12", [](FakeBridgeService& s) { s.Respond(-12, kCompleteReply); }, -12},
        {"busy marker", [](FakeBridgeService& s) { FakeBridgeService::WriteFile(s.paths().busyMarker, ""); },
         KOV_NO_BUS_ACTIVITY_SEEN},
        {"no answer", [](FakeBridgeService& s) { s.onSleep = [](int, int) {}; }, KOV_INVALID_VALUE},
    };
    for (const FailureCase& failure : failures) {
        for (const ExportWithOutputs& e : kExportsWithOutputs) {
            SCOPED_TRACE(std::string(e.name) + ", " + failure.name);
            FakeBridgeService isolated;  // each case on a clean mailbox
            FakeBridgeService::WriteFile(isolated.paths().replyFile, kCompleteReply);  // previous reply
            failure.arrange(isolated);
            SetReplyBuffer(kStaleReply);
            Outputs outputs;
            EXPECT_EQ(e.call(outputs), failure.expected);
            outputs.ExpectUntouched();
            EXPECT_STREQ(vantrel::g_replyBuffer, kStaleReply);
        }
    }
}

TEST_F(ReplyKindTest, BusyMarkerRefusesAtOnce) {
    FakeBridgeService::WriteFile(service.paths().busyMarker, "");
    for (const ExportWithOutputs& e : kExportsWithOutputs) {
        SCOPED_TRACE(e.name);
        Outputs outputs;
        EXPECT_EQ(e.call(outputs), KOV_NO_BUS_ACTIVITY_SEEN);
        EXPECT_EQ(service.sleeps(), 0);
        EXPECT_FALSE(FakeBridgeService::Exists(service.paths().commandFile));
    }
}

}  // namespace
