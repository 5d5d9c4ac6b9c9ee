// The exports that take the reply apart: which outputs each reply shape writes, which keep what
// the caller put there, and what is returned. Outputs start as sentinels so a stray write shows.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fake_bridge_service.h"
#include "transport.h"
#include "vantrel.h"

using vantrel::testing::FakeBridgeService;

namespace {

constexpr int kSentinel = 12345;
constexpr char kSentinelText[] = "sentinel";
constexpr int kShortReport = -11;

using Ints = std::vector<std::optional<int>>;  // nullopt: the output keeps its sentinel
using Text = std::optional<std::string>;

void ExpectInts(const int* actual, const Ints& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i].value_or(kSentinel)) << "output " << i + 1;
    }
}

class ParsedExportTest : public ::testing::Test {
protected:
    FakeBridgeService service;
};

struct ModelCase {
    const char* reply;
    Text modelType, firmwareVersion, ipVersion;
};

TEST_F(ParsedExportTest, RequestModel) {
    const ModelCase cases[] = {
        {"ABC\r\n", "", "", ""},  // no comma: three empty strings
        {"M1,\r\n", "M1", std::nullopt, std::nullopt},
        {"M1,FW2\r\n", "M1", std::nullopt, std::nullopt},
        {"M1,FW2,IP3", "M1", "FW2", "IP3"},
        {"M1,FW2,IP3\r\n", "M1", "FW2", "IP3\n"},  // the line feed stays in the last field
        {"a,b,c,d\r\n", "a", "b", "c,d\n"},
        {",,\r\n", "", "", "\n"},
    };
    for (const ModelCase& c : cases) {
        SCOPED_TRACE(c.reply);
        char model[512], firmware[512], ip[512];
        for (char* text : {model, firmware, ip}) std::strcpy(text, kSentinelText);
        service.Respond(5, c.reply);
        EXPECT_EQ(KovSLIMbusBridgeRequestModel(model, firmware, ip), 5);
        EXPECT_EQ(std::string(model), c.modelType.value_or(kSentinelText));
        EXPECT_EQ(std::string(firmware), c.firmwareVersion.value_or(kSentinelText));
        EXPECT_EQ(std::string(ip), c.ipVersion.value_or(kSentinelText));
    }
}

struct IntegersCase {
    const char* reply;
    Ints expected;
};

TEST_F(ParsedExportTest, RequestBusStatus) {
    const IntegersCase cases[] = {
        {"3,7,0,1\r\n", {3, 7, 0, 1}},
        {" -2,+5,x,9", {-2, 5, 0, 9}},  // signed decimal: blanks, sign, digits
        {"1,2,3,4,5\r\n", {1, 2, 3, 4}},
        {"1,2,3\r\n", {1, 2, std::nullopt, std::nullopt}},
        {"1,\r\n", {1, std::nullopt, std::nullopt, std::nullopt}},
        {"42\r\n", {std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
    };
    for (const IntegersCase& c : cases) {
        SCOPED_TRACE(c.reply);
        std::array<int, 4> out;
        out.fill(kSentinel);
        service.Respond(3, c.reply);
        EXPECT_EQ(KovSLIMbusBridgeRequestBusStatus(&out[0], &out[1], &out[2], &out[3]), 3);
        ExpectInts(out.data(), c.expected);
    }
}

struct PortCase {
    const char* earlierReply;  // fetched and parsed first, so its bytes lie in the buffer
    const char* reply;
    const char* ports;
    Ints expected;
};

TEST_F(ParsedExportTest, RequestPortConfiguration) {
    constexpr char kLong[] = "a,b,c,d,e,f,g,h,11,22,33,44,55,66,77,88\r\n";
    const Ints none = {std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    const PortCase cases[] = {
        {nullptr, "0,1,2,3,4,5,6,7,3,0,2,1\r\n", "01234567", {3, 0, 2, 1}},
        {nullptr, "a;b-c d.e/f|g:h, 5,1,2,3", "abcdefgh", {5, 1, 2, 3}},  // blank after position 15
        {nullptr, "a,b,c,d,e,f,g,h,7,8\r\n", "abcdefgh", {7, std::nullopt, std::nullopt, std::nullopt}},
        {nullptr, "a,b,c,d,e,f,g,h,9\r\n", "abcdefgh", none},  // no comma from position 16 on
        // Lines shorter than 16 characters after a longer reply: positions past the line's end
        // are blanks and nothing of the earlier reply comes back as a value.
        {kLong, "x,y\r\n", "xy      ", none},
        {kLong, "p,q,r", "pqr     ", none},
        {kLong, "a,b,c,d,e,f,g,h", "abcdefgh", none},
        {kLong, "\r\n", "        ", none},
    };
    for (const PortCase& c : cases) {
        SCOPED_TRACE(c.reply);
        char ports[16];
        std::array<int, 4> out;
        if (c.earlierReply) {
            service.Respond(0, c.earlierReply);
            KovSLIMbusBridgeRequestPortConfiguration(ports, &out[0], &out[1], &out[2], &out[3]);
            ASSERT_EQ(out[0], 11);
        }
        std::strcpy(ports, kSentinelText);
        out.fill(kSentinel);
        service.Respond(6, c.reply);
        EXPECT_EQ(KovSLIMbusBridgeRequestPortConfiguration(ports, &out[0], &out[1], &out[2], &out[3]), 6);
        EXPECT_STREQ(ports, c.ports);
        ExpectInts(out.data(), c.expected);
    }
}

// The six configuration reports share one rule; each row is one report with its field count.
struct ReportExport {
    const char* name;
    int fieldCount;
    std::function<int(int* const*)> call;
};

// Test names and failure messages show the row's name rather than its bytes.
void PrintTo(const ReportExport& row, std::ostream* os) { *os << row.name; }

std::string ReportName(const ::testing::TestParamInfo<ReportExport>& info) { return info.param.name; }

const ReportExport kReports[] = {
    {"ReportFramerConfig", 5,
     [](int* const* o) { return KovSLIMbusBridgeReportFramerConfig(o[0], o[1], o[2], o[3], o[4]); }},
    {"ReportPhyConfig", 3, [](int* const* o) { return KovSLIMbusBridgeReportPhyConfig(o[0], o[1], o[2]); }},
    {"ReportClkConfig", 7,
     [](int* const* o) { return KovSLIMbusBridgeReportClkConfig(o[0], o[1], o[2], o[3], o[4], o[5], o[6]); }},
    {"ReportDigAudioConfig", 11,
     [](int* const* o) {
         return KovSLIMbusBridgeReportDigAudioConfig(o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9],
                                                     o[10]);
     }},
    {"ReportDataPathConfig", 8,
     [](int* const* o) {
         return KovSLIMbusBridgeReportDataPathConfig(o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7]);
     }},
    {"ReportPresenceRate", 12,  // through the caller's array of twelve pointers
     [](int* const* o) {
         int* rates[12];
         std::copy(o, o + 12, rates);
         return KovSLIMbusBridgeReportPresenceRate(rates);
     }},
};

// Field k (from 0): decimal or 0x-prefixed hexadecimal in turn, all values distinct.
int FieldValue(int k) { return k % 2 == 0 ? 10 * k + 1 : 0x100 + k; }

std::string FieldText(int k) {
    char text[16];
    std::snprintf(text, sizeof text, k % 2 == 0 ? "%d" : "0x%X", FieldValue(k));
    return text;
}

std::string Fields(int count) {
    std::string reply;
    for (int k = 0; k < count; ++k) reply += (k ? "," : "") + FieldText(k);
    return reply + "\r\n";
}

class ReportTest : public ::testing::TestWithParam<ReportExport> {
protected:
    // Runs the report on reply with a positive status; returns the result, outputs in out.
    int Run(const std::string& reply, std::array<int, 12>& out) {
        out.fill(kSentinel);
        int* pointers[12];
        for (int i = 0; i < 12; ++i) pointers[i] = &out[i];
        service.Respond(9, reply);
        return GetParam().call(pointers);
    }

    Ints FirstValues(int written) const {
        Ints expected(12);  // outputs past the report's count are never handed to it
        for (int k = 0; k < written; ++k) expected[k] = FieldValue(k);
        return expected;
    }

    FakeBridgeService service;
    std::array<int, 12> out;
};

TEST_P(ReportTest, CompleteReplyReturnsZeroWhateverTheStatus) {
    const int n = GetParam().fieldCount;
    EXPECT_EQ(Run(Fields(n), out), 0);
    ExpectInts(out.data(), FirstValues(n));
    EXPECT_EQ(Run(Fields(n + 2), out), 0);
    ExpectInts(out.data(), FirstValues(n));
}

TEST_P(ReportTest, ShortReplyReturnsMinusElevenWithTheRestUntouched) {
    const int n = GetParam().fieldCount;
    EXPECT_EQ(Run(Fields(n - 1), out), kShortReport);
    ExpectInts(out.data(), FirstValues(n - 1));

    EXPECT_EQ(Run("\r\n", out), kShortReport);  // an empty line: output 1 becomes 0
    Ints expected(12);
    expected[0] = 0;
    ExpectInts(out.data(), expected);
}

INSTANTIATE_TEST_SUITE_P(SixReports, ReportTest, ::testing::ValuesIn(kReports), ReportName);

TEST_F(ParsedExportTest, ParsingCutsCommasInPlaceAndNothingElse) {
    int a = 0, b = 0, c = 0;
    service.Respond(0, "0x10,2,3\r\n");
    EXPECT_EQ(KovSLIMbusBridgeReportPhyConfig(&a, &b, &c), 0);
    EXPECT_EQ(std::string(vantrel::g_replyBuffer, 10), std::string("0x10\0" "2\0" "3\n\0", 10));
}

// Right after Open there is no reply file; the exports parse the empty line Open left, not the
// earlier reply that still lies behind its first byte.
TEST_F(ParsedExportTest, AfterOpenWithoutReplyFile) {
    struct Case {
        const char* name;
        std::function<int(char*, int*)> call;  // text outputs in texts, integers in ints
        int expected;
        std::vector<const char*> texts;
        Ints ints;
    };
    const Ints untouched4(4);
    const Case cases[] = {
        {"LiveViewCount", [](char*, int*) { return KovSLIMbusBridgeLiveViewCount(); }, 0, {}, {}},
        {"IPReset", [](char*, int*) { return KovSLIMbusBridgeIPReset(); }, 0, {}, {}},
        {"UseLiterals", [](char*, int*) { return KovSLIMbusBridgeUseLiterals(1); }, 0, {}, {}},
        {"ClearLiveView", [](char*, int*) { return KovSLIMbusBridgeClearLiveView(); }, 0, {}, {}},
        {"RequestModel",
         [](char* t, int*) { return KovSLIMbusBridgeRequestModel(t, t + 512, t + 1024); }, 0, {"", "", ""}, {}},
        {"RequestBusStatus",
         [](char*, int* i) { return KovSLIMbusBridgeRequestBusStatus(i, i + 1, i + 2, i + 3); }, 0, {},
         untouched4},
        {"RequestPortConfiguration",
         [](char* t, int* i) { return KovSLIMbusBridgeRequestPortConfiguration(t, i, i + 1, i + 2, i + 3); }, 0,
         {"        "}, untouched4},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    for (const ReportExport& report : kReports) {
        Ints expected(report.fieldCount);
        expected[0] = 0;
        all.push_back({report.name,
                       [&report](char*, int* i) {
                           int* pointers[12];
                           for (int k = 0; k < 12; ++k) pointers[k] = i + k;
                           return report.call(pointers);
                       },
                       kShortReport, {}, expected});
    }
    for (const Case& c : all) {
        SCOPED_TRACE(c.name);
        service.Respond(0, "9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9\r\n");
        KovSLIMbusBridgeLoadScript("fills the buffer");
        service.Respond(0);
        EXPECT_EQ(KovSLIMbusOpen(), 0);

        char texts[3 * 512];
        for (int k = 0; k < 3; ++k) std::strcpy(texts + 512 * k, kSentinelText);
        std::array<int, 12> ints;
        ints.fill(kSentinel);
        service.Respond(0);  // no reply file
        EXPECT_EQ(c.call(texts, ints.data()), c.expected);
        for (std::size_t k = 0; k < c.texts.size(); ++k) EXPECT_STREQ(texts + 512 * k, c.texts[k]);
        ExpectInts(ints.data(), c.ints);
    }
}

// Null output pointers are skipped, not written through; the outputs that are given still are.
TEST_F(ParsedExportTest, NullOutputsAreNotWrittenThrough) {
    constexpr char kReply[] = "a,b,c,d,e,f,g,h,1,2,3,4,5,6,7,8,9,10,11,12\r\n";
    struct Case {
        const char* name;
        const char* reply;
        std::function<int()> call;
        int expected;
    };
    const Case cases[] = {
        {"RequestModel", kReply, [] { return KovSLIMbusBridgeRequestModel(nullptr, nullptr, nullptr); }, 7},
        {"RequestModel without comma", "abc",
         [] { return KovSLIMbusBridgeRequestModel(nullptr, nullptr, nullptr); }, 7},
        {"RequestBusStatus", kReply,
         [] { return KovSLIMbusBridgeRequestBusStatus(nullptr, nullptr, nullptr, nullptr); }, 7},
        {"RequestPortConfiguration", kReply,
         [] { return KovSLIMbusBridgeRequestPortConfiguration(nullptr, nullptr, nullptr, nullptr, nullptr); }, 7},
        {"ReportPresenceRate null array", "1,2,3,4,5,6,7,8,9,10,11,12",
         [] { return KovSLIMbusBridgeReportPresenceRate(nullptr); }, 0},
        {"ReportPresenceRate null elements", "1,2,3,4,5,6,7,8,9,10,11,12",
         [] {
             int* rates[12] = {};
             return KovSLIMbusBridgeReportPresenceRate(rates);
         },
         0},
        {"RequestScriptLibraryContent", kReply,
         [] { return KovSLIMbusBridgeRequestScriptLibraryContent(nullptr); }, 7},
        {"ReadRegister", kReply, [] { return KovSLIMbusBridgeReadRegister(1, 2, 3, nullptr); }, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        service.Respond(7, c.reply);
        EXPECT_EQ(c.call(), c.expected);
    }
    for (const ReportExport& report : kReports) {
        SCOPED_TRACE(report.name);
        int* const none[12] = {};
        service.Respond(7, kReply);
        EXPECT_EQ(report.call(none), 0);
    }

    int clockGear = kSentinel, ipFrozen = kSentinel;
    service.Respond(0, "4,5,6,7\r\n");
    EXPECT_EQ(KovSLIMbusBridgeRequestBusStatus(&clockGear, nullptr, &ipFrozen, nullptr), 0);
    EXPECT_EQ(clockGear, 4);
    EXPECT_EQ(ipFrozen, 6);
}

}  // namespace
