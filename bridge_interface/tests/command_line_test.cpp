// What the bridge service receives: the exact command line of every command export, and the
// arguments the library refuses before it touches the mailbox (a null text, or a line longer
// than the 511 characters the protocol carries, which cutting could turn into another path).
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fake_bridge_service.h"
#include "vantrel.h"

using vantrel::testing::FakeBridgeService;

namespace {

struct CommandLineCase {
    const char* name;
    std::function<int()> call;
    const char* expectedLine;
};

std::vector<CommandLineCase> AllCommandExports() {
    return {
        {"Open", [] { return KovSLIMbusOpen(); }, "Open,001"},
        {"Close", [] { return KovSLIMbusClose(); }, "Close,002"},
        {"GetSWVersion", [] { return KovSLIMbusGetSWVersion(); }, "GetSWVersion,003"},
        {"RequestModel", [] { char m[512], f[512], i[512]; return KovSLIMbusBridgeRequestModel(m, f, i); },
         "GetModel,006"},
        {"LoadProjectFile", [] { return KovSLIMbusBridgeLoadProjectFile("C:\\proj,v2.prj"); },
         "LoadProjectFile,007,C:\\proj,v2.prj"},
        {"RequestScriptLibraryContent",
         [] { char b[512]; return KovSLIMbusBridgeRequestScriptLibraryContent(b); }, "LoadProjectFile,008"},
        {"PlayScript", [] { return KovSLIMbusBridgePlayScript("a b.scr"); }, "LoadPlayScript,009,a b.scr"},
        {"RequestPortConfiguration",
         [] { char p[16]; int a, b, c, d; return KovSLIMbusBridgeRequestPortConfiguration(p, &a, &b, &c, &d); },
         "RequestPortConfig,010"},
        {"LoadScriptLibrary", [] { return KovSLIMbusBridgeLoadScriptLibrary("lib.txt"); },
         "LoadScriptLib,011,lib.txt"},
        {"LoadScript", [] { return KovSLIMbusBridgeLoadScript("/tmp/s 1.scr"); }, "LoadScript,012,/tmp/s 1.scr"},
        {"RequestBusStatus", [] { int a, b, c, d; return KovSLIMbusBridgeRequestBusStatus(&a, &b, &c, &d); },
         "RequestBusStatus,013"},
        {"PlayMessage", [] { return KovSLIMbusBridgePlayMessage(0, 96, "  ab", "cd", "1,2"); },
         "PlayMessage,014, 0,96,  ab,cd,1,2"},
        {"PlayMessageNegative", [] { return KovSLIMbusBridgePlayMessage(-1, -96, "", "", ""); },
         "PlayMessage,014, -1,-96,,,"},
        {"PlayBuffer", [] { return KovSLIMbusBridgePlayBuffer(); }, "PlayBuffer,015"},
        {"PlayScriptFromLibrary", [] { return KovSLIMbusBridgePlayScriptFromLibrary(-3); }, "PlayScriptID,016,-3"},
        {"FramerControl", [] { return KovSLIMbusBridgeFramerControl(1); }, "FramerControl,017,1"},
        {"ManagerControl", [] { return KovSLIMbusBridgeManagerControl(0); }, "ManagerControl,018,0"},
        {"SnifferControl", [] { return KovSLIMbusBridgeSnifferControl(7); }, "SnifferControl,019,7"},
        {"Reset", [] { return KovSLIMbusBridgeReset(); }, "BridgeReset,020"},
        {"RequestBridgeConfiguration", [] { return KovSLIMbusBridgeRequestBridgeConfiguration(); },
         "RequestBridgeConfig,021"},
        {"ImportRegister", [] { return KovSLIMbusBridgeImportRegister("r.txt", 5, -16); },
         "ImportRegister,023,r.txt,5,-16"},
        {"ExportRegister", [] { return KovSLIMbusBridgeExportRegister("out,1.txt"); },
         "ExportRegister,024,out,1.txt"},
        {"ExportLiveView", [] { return KovSLIMbusBridgeExportLiveView("lv.txt", 2147483647); },
         "ExportLiveView,025,lv.txt,2147483647"},
        {"LiveViewCount", [] { return KovSLIMbusBridgeLiveViewCount(); }, "LiveViewCount,026"},
        {"WriteRegister", [] { return KovSLIMbusBridgeWriteRegister(-2147483647 - 1, 256, "1,2,3"); },
         "WriteRegister,027,-2147483648,256,1,2,3"},
        {"ReadRegister", [] { char b[512]; return KovSLIMbusBridgeReadRegister(3, 4095, 16, b); },
         "ReadRegister,028,3,4095,16"},
        {"SetPollTiming", [] { return KovSLIMbusBridgeSetPollTiming(1, 500); }, "SetPollTiming,029,500"},
        {"ReportFramerConfig", [] { int o[5]; return KovSLIMbusBridgeReportFramerConfig(o, o + 1, o + 2, o + 3, o + 4); },
         "ReportFramerConfig,030"},
        {"ReportPhyConfig", [] { int o[3]; return KovSLIMbusBridgeReportPhyConfig(o, o + 1, o + 2); },
         "ReportPhyConfig,031"},
        {"ReportClkConfig",
         [] { int o[7]; return KovSLIMbusBridgeReportClkConfig(o, o + 1, o + 2, o + 3, o + 4, o + 5, o + 6); },
         "ReportClkConfig,032"},
        {"ReportDigAudioConfig",
         [] {
             int o[11];
             return KovSLIMbusBridgeReportDigAudioConfig(o, o + 1, o + 2, o + 3, o + 4, o + 5, o + 6, o + 7,
                                                         o + 8, o + 9, o + 10);
         },
         "ReportDigAudioConfig,033"},
        {"ReportDataPathConfig",
         [] {
             int o[8];
             return KovSLIMbusBridgeReportDataPathConfig(o, o + 1, o + 2, o + 3, o + 4, o + 5, o + 6, o + 7);
         },
         "ReportDataPathConfig,034"},
        {"ReportPresenceRate",
         [] {
             int o[12];
             int* rates[12];
             for (int i = 0; i < 12; ++i) rates[i] = &o[i];
             return KovSLIMbusBridgeReportPresenceRate(rates);
         },
         "ReportPresenceRate,035"},
        {"IPReset", [] { return KovSLIMbusBridgeIPReset(); }, "IPReset,036"},
        {"LoadScriptAutomator", [] { return KovSLIMbusBridgeLoadScriptAutomator("auto.txt"); },
         "LoadAutomatorFilename,050,auto.txt"},
        {"UseLiterals", [] { return KovSLIMbusBridgeUseLiterals(1); }, "UseLiterals,051,1"},
        {"ClearLiveView", [] { return KovSLIMbusBridgeClearLiveView(); }, "ClearLiveView,052"},
    };
}

// Test names and failure messages show the row's name rather than its bytes.
void PrintTo(const CommandLineCase& row, std::ostream* os) { *os << row.name; }

std::string CaseName(const ::testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; }

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {
protected:
    FakeBridgeService service;
};

TEST_P(CommandLineTest, BridgeServiceReceivesExactlyThisLine) {
    GetParam().call();
    ASSERT_EQ(service.commands().size(), 1u);
    EXPECT_EQ(service.lastCommand(), GetParam().expectedLine);
}

INSTANTIATE_TEST_SUITE_P(EveryCommandExport, CommandLineTest, ::testing::ValuesIn(AllCommandExports()),
                         CaseName);

// A refused call must leave the mailbox exactly as the previous transaction left it.
class RefusedCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeBridgeService::WriteFile(paths.commandFile, "Close,002");
        FakeBridgeService::WriteFile(paths.statusFile, "5\r\n");
        FakeBridgeService::WriteFile(paths.replyFile, "previous reply\r\n");
    }

    void ExpectMailboxUntouched() {
        EXPECT_EQ(FakeBridgeService::ReadFile(paths.commandFile), std::optional<std::string>("Close,002"));
        EXPECT_EQ(FakeBridgeService::ReadFile(paths.statusFile), std::optional<std::string>("5\r\n"));
        EXPECT_EQ(FakeBridgeService::ReadFile(paths.replyFile),
                  std::optional<std::string>("previous reply\r\n"));
        EXPECT_EQ(service.sleeps(), 0);
        EXPECT_TRUE(service.commands().empty());
    }

    FakeBridgeService service;
    const vantrel::MailboxPaths& paths = service.paths();
};

TEST_F(RefusedCommandTest, NullTextArgument) {
    const std::pair<const char*, std::function<int()>> cases[] = {
        {"LoadProjectFile", [] { return KovSLIMbusBridgeLoadProjectFile(nullptr); }},
        {"PlayScript", [] { return KovSLIMbusBridgePlayScript(nullptr); }},
        {"LoadScriptLibrary", [] { return KovSLIMbusBridgeLoadScriptLibrary(nullptr); }},
        {"LoadScript", [] { return KovSLIMbusBridgeLoadScript(nullptr); }},
        {"PlayMessage source", [] { return KovSLIMbusBridgePlayMessage(0, 96, nullptr, "cd", "1"); }},
        {"PlayMessage destination", [] { return KovSLIMbusBridgePlayMessage(0, 96, "ab", nullptr, "1"); }},
        {"PlayMessage payload", [] { return KovSLIMbusBridgePlayMessage(0, 96, "ab", "cd", nullptr); }},
        {"ImportRegister", [] { return KovSLIMbusBridgeImportRegister(nullptr, 1, 2); }},
        {"ExportRegister", [] { return KovSLIMbusBridgeExportRegister(nullptr); }},
        {"ExportLiveView", [] { return KovSLIMbusBridgeExportLiveView(nullptr, 0); }},
        {"WriteRegister", [] { return KovSLIMbusBridgeWriteRegister(1, 2, nullptr); }},
        {"LoadScriptAutomator", [] { return KovSLIMbusBridgeLoadScriptAutomator(nullptr); }},
    };
    for (const auto& [name, call] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(), KOV_INVALID_VALUE);
        ExpectMailboxUntouched();
    }
}

// Each text export with its longest text: the one that makes the line exactly 511 characters.
struct TextLimitCase {
    const char* name;
    std::function<int(const std::string&)> call;
    std::size_t longestText;
};

TEST_F(RefusedCommandTest, LineOf511IsSentAndOf512IsRefused) {
    constexpr int kMin = -2147483647 - 1;  // 11 characters in decimal
    const TextLimitCase cases[] = {
        {"LoadProjectFile", [](const std::string& t) { return KovSLIMbusBridgeLoadProjectFile(t.c_str()); }, 491},
        {"PlayScript", [](const std::string& t) { return KovSLIMbusBridgePlayScript(t.c_str()); }, 492},
        {"LoadScriptLibrary", [](const std::string& t) { return KovSLIMbusBridgeLoadScriptLibrary(t.c_str()); },
         493},
        {"LoadScript", [](const std::string& t) { return KovSLIMbusBridgeLoadScript(t.c_str()); }, 496},
        {"ExportRegister", [](const std::string& t) { return KovSLIMbusBridgeExportRegister(t.c_str()); }, 492},
        {"LoadScriptAutomator",
         [](const std::string& t) { return KovSLIMbusBridgeLoadScriptAutomator(t.c_str()); }, 485},
        {"ExportLiveView", [](const std::string& t) { return KovSLIMbusBridgeExportLiveView(t.c_str(), kMin); },
         480},
        {"ImportRegister",
         [](const std::string& t) { return KovSLIMbusBridgeImportRegister(t.c_str(), kMin, kMin); }, 468},
        {"WriteRegister", [](const std::string& t) { return KovSLIMbusBridgeWriteRegister(kMin, kMin, t.c_str()); },
         469},
        {"PlayMessage",  // the three texts together
         [](const std::string& t) {
             return KovSLIMbusBridgePlayMessage(kMin, kMin, t.substr(0, 6).c_str(), t.substr(6, 6).c_str(),
                                                t.substr(12).c_str());
         },
         468},
    };
    for (const TextLimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        service.ResetCounters();
        EXPECT_EQ(c.call(std::string(c.longestText + 1, 'p')), KOV_INVALID_VALUE);
        ExpectMailboxUntouched();

        service.Respond(3);
        EXPECT_EQ(c.call(std::string(c.longestText, 'p')), 3);
        ASSERT_EQ(service.commands().size(), 1u);
        EXPECT_EQ(service.lastCommand().size(), 511u);
        EXPECT_NE(service.lastCommand().find(std::string(c.longestText - 12, 'p')), std::string::npos);
    }
}

}  // namespace
