// Every command handler through the headless back end: its progress line painted before the
// call, its success line, its named and unnamed error lines, and which boxes it writes.
#include <algorithm>
#include <set>

#include "console_fixture.h"

namespace kestrix_test {
namespace {

struct HandlerCase {
    const char* name;
    int controlId;
    Inputs inputs;
    const char* reply;          // reply line of the success case; nullptr: no reply file
    const char* progress;       // nullptr: the handler shows none
    const char* successLine;    // with the bridge's status 2
    const char* label;          // operation label of the error lines
    std::set<int> boxesOnSuccess;  // result boxes written besides the log
    std::set<int> boxesOnError;
};

const HandlerCase kHandlers[] = {
    {"Open", 1000, {}, nullptr, "Opening ....", "Open = 2", "Open", {}, {}},
    {"Close", 1001, {}, nullptr, "Closing ....", "Close = 2", "Close", {}, {}},
    {"SwVersion", 1003, {}, "258", "Getting Bridge SW version ....", "Kov Bridge software version = 00.01.02",
     "GetSWVersion", {}, {}},
    {"BridgeModel", 1004, {}, "Q7,1.2,3.4", "Getting Bridge model info ....",
     "Kov Bridge Model Type = Q7 FirmwareVersion 1.2 IPVersion 3.4", "Get Bridge Model", {}, {}},
    {"Reset", 1026, {}, "done", "Reset Bridge .....", "BridgeReset = 2 Reply [done]", "BridgeReset", {}, {}},
    {"Framer", 1034, {}, nullptr, nullptr, "Framer Ctrl  1 = 2", "Framer Ctrl", {}, {}},
    {"Manager", 1036, {}, nullptr, nullptr, "Manager Ctrl  1 = 2", "Manager Ctrl", {}, {}},
    {"Sniffer", 1035, {}, nullptr, nullptr, "Sniffer Ctrl  1 = 2", "Sniffer Ctrl", {}, {}},
    {"BusStatus", 1017, {}, "1,2,0,1", "RequestBusStatus ....", "RF 2, CG 1, IP Frozen 0, IP Paused 1",
     "RequestBusStatus", {1027}, {}},
    {"PortConfig", 1016, {}, "a,b,c,d,e,f,g,h,10,11,12,13", "RequestPortConfiguration ....",
     "a b c d e f g h \r\nInput Presence Rate = 10 \r\nInput Presence Rate mismatch =  11 \r\n"
     "Output Presence Rate = 12 \r\nOutput Presence Rate mismatch = 13",
     "RequestPortConfiguration", {1028}, {}},
    {"BridgeConfig", 1020, {}, "cfg", "RequestBridgeConfiguration ....", "RequestBridgeConfiguration ok Reply: [cfg]",
     "RequestBridgeConfiguration", {1029}, {1029}},
    {"SetPollTimings", 1060, {{1061, "5"}, {1062, "7"}}, "ok", "SetPollTiming.....",
     "SetPollTiming status = 2 Reply [ok]", "SetPollTiming", {}, {}},
    {"LoadProjectFile", 1006, {{1008, "proj.kpf"}}, nullptr, "Loading Project File [proj.kpf] .....",
     "Fileload proj.kpf = 2 ", "Fileload", {}, {}},
    {"ScriptLibContent", 1007, {}, "lib", "Request Script Library Content .....",
     "Script Library Content [lib] (reply: lib)", "Request Script Library Content", {}, {}},
    {"PlayScript", 1009, {{1010, "a.scr"}}, "ok", "Play Script File [a.scr] .....", "PlayScript a.scr = 2 Reply [ok]",
     "PlayScript", {}, {}},
    {"LoadScriptLibrary", 1011, {{1012, "lib.slb"}}, "ok", "Load Script File [lib.slb] .....",
     "Load Script lib.slb = 2 Reply [ok]", "Load Script Lib", {}, {}},
    {"LoadScript", 1013, {{1014, "s.scr"}}, "ok", "Load Script File [s.scr] .....",
     "Load Script s.scr = 2 Reply: [ok]", "Load Script", {}, {}},
    {"PlayBuffer", 1015, {}, "ok", "Play Buffer ....", "Play Buffer ok Reply: [ok]", "Play Buffer", {}, {}},
    {"PlayScriptId", 1018, {{1019, "7"}}, "ok", "Load Script File [7] .....", "Play Script ID 7 = 2 Reply [ok]",
     "Play Script", {}, {}},
    {"AutomatorFile", 1073, {{1071, "auto.txt"}}, "ok", "LoadScript Automator filename....",
     "LoadScript Automator filename status = 2 Reply [ok]", "LoadScript Automator filename", {}, {}},
    {"ClearLiveView", 1074, {}, "4", nullptr, "ClearLiveView  = 4", "ClearLiveView", {}, {}},
    {"UseLiterals", 1075, {}, "0", nullptr, "Use Literals  1 = 0", "Use Literals", {}, {}},
    {"Send", 1037, {{1038, "3"}, {1040, "4"}, {1041, "ab"}, {1042, "cdefghij"}, {1043, "1,2"}}, "ok",
     "Send User Message .....", "Play User Msg = 2 Reply [ok]", "Play Script", {}, {}},
    {"ImportRegister", 1021, {{1022, "r.csv"}, {1044, "5"}, {1048, "6"}}, "ok",
     "Send User Message (ImportRegister).....", "Import Register status = 2 Reply [ok]", "Import Register", {}, {}},
    {"ExportRegister", 1023, {{1024, "e.csv"}}, "ok", "Send User Message (ExportRegister).....",
     "Export Register status = 2 Reply [ok]", "Export Register", {}, {}},
    {"ExportLiveView", 1047, {{1025, "lv.csv"}, {1049, "9"}}, "ok", "Send User Message (ExportLiveView).....",
     "Export LiveView status = 2 Reply [ok]", "Export LiveView", {}, {}},
    {"LiveViewCount", 1050, {}, "12,x", "Send User Message (LiveViewCount).....", "Counter = 12 Reply [12,x]",
     "Counter Request", {}, {}},
    {"WriteRegister", 1051, {{1053, "1"}, {1055, "2"}, {1058, "ff"}}, "ok", "Send User Message (Write Register).....",
     "Write Register status = 2 Reply [ok]", "Write Register", {}, {}},
    {"ReadRegister", 1052, {{1054, "1"}, {1056, "2"}, {1057, "4"}}, "0a0b", "Send User Message (Read Register).....",
     "Read Register status = 2 Reply [0a0b]", "Read Register", {1059}, {}},
    {"ReportFramerConfig", 1063, {}, "1,2,3,4,5", "ReportFramerConfig ....",
     "FramerBootFrequency 1, FramerBootSM 2, FramerBootCG 3, FramerBootMode 4 ComponentAddress 5",
     "ReportFramerConfig", {1027}, {}},
    {"ReportPhyConfig", 1064, {}, "1,0,1", "ReportPhyConfig ....", "SLIMbusLevel 1, BusHoldEnabled 0, SD1Assign 1",
     "ReportPhyConfig", {1027}, {}},
    {"ReportClockConfig", 1065, {}, "1,2,3,4,5,6,7", "ReportClockConfig ....",
     "ExtClkLevel 1, ExtClkDir 2, ExtClkZin 3 ExtClkSrc 4 ExtClkDiv 5 FramerPllRef 6 AudioPllRef 7",
     "ReportClockConfig", {1027}, {}},
    {"ReportDigAudioConfig", 1066, {}, "1,2,3,4,5,6,7,8,9,10,11", "ReportDigAudioConfig ....",
     "SpdifAsrcMode 1, OpticalAsrcMode 2, DsiOutAsrcMode 3 DsiOutAsrcClrRef 4 DsiLevel 5 DsiInFormat 6 DsiInDL 7 "
     "DsiInClkMode 8 DsiOutFormat 9 DsiOutDL 10 DsiOutClkMode 11",
     "ReportDigAudioConfig", {1027}, {}},
    {"ReportDataPathConfig", 1067, {}, "1,2,3,4,5,6,7,8", "ReportDataPathConfig ....",
     "Sdin12Sel 1, Sdin34Sel 2, Dsi8ChInEna 3 Sdin56Sel 4 Sdout1Sel 5 Dsi8ChOutEna 6 Sdout2Sel 7 LoopBackMode 8",
     "ReportDataPathConfig", {1027}, {}},
    {"ReportPresenceRate", 1068, {}, "0,1,2,3,4,5,6,7,8,9,10,11", "ReportPresenceRate ....",
     "PresenceRate 0: 0,  1: 1,  2: 2,  3: 3,  4: 4,  5: 5,  6: 6,  7: 7,  8: 8,  9: 9,  10: 10, 11: 11",
     "ReportPresenceRate", {1027}, {}},
    {"IpReset", 1069, {}, "0 done", "IP Reset Bridge .....", "Bridge IP Reset = 0 Reply [0 done]", "Bridge IP Reset",
     {}, {}},
};

class HandlerLinesTest : public ConsoleTest, public ::testing::WithParamInterface<HandlerCase> {
protected:
    static constexpr const char* kPreviousLine = "previous line";

    // Clicks the handler's control with the bridge answering `status` and `reply`. Returns the
    // log text at the moment the command reached the bridge service.
    std::string ClickWith(int status, const char* reply) {
        const HandlerCase& c = GetParam();
        Set(c.inputs);
        Set(kLog, kPreviousLine);
        backend().ClearEvents();
        bridge_.Respond(status, reply != nullptr ? std::optional<std::string>(reply) : std::nullopt);
        std::string logDuringCall;
        std::vector<ui::HeadlessBackend::Event> eventsBeforeCall;
        bridge_.onCommand = [&](const std::string&) {
            logDuringCall = Text(kLog);
            eventsBeforeCall = backend().events();
        };
        Click(c.controlId);
        bridge_.onCommand = nullptr;
        EXPECT_EQ(bridge_.commands().size(), 1u) << "one command a click";
        bridge_.ResetCounters();

        if (c.progress != nullptr) {
            // Set and painted at once, so it shows while the call blocks.
            EXPECT_EQ(logDuringCall, c.progress);
            EXPECT_GE(eventsBeforeCall.size(), 2u);
            if (eventsBeforeCall.size() >= 2) {
                const auto& last = eventsBeforeCall.back();
                EXPECT_EQ(last.kind, ui::HeadlessBackend::EventKind::Update);
                EXPECT_EQ(last.controlId, kLog);
            }
        } else {
            EXPECT_EQ(logDuringCall, kPreviousLine);
            EXPECT_TRUE(eventsBeforeCall.empty());
        }
        return logDuringCall;
    }

    std::set<int> BoxesWritten() const {
        std::set<int> boxes;
        for (const int id : ControlsWritten()) {
            if (id != kLog) boxes.insert(id);
        }
        return boxes;
    }
};

TEST_P(HandlerLinesTest, SuccessShowsItsLineAfterTheProgressLine) {
    const HandlerCase& c = GetParam();
    ClickWith(2, c.reply);
    EXPECT_EQ(Text(kLog), c.successLine);
    EXPECT_EQ(BoxesWritten(), c.boxesOnSuccess);
    // The result line is the last text set, and the log is repainted at once.
    ASSERT_FALSE(backend().events().empty());
    EXPECT_EQ(backend().events().back().kind, ui::HeadlessBackend::EventKind::Update);
    EXPECT_EQ(backend().events().back().controlId, c.boxesOnError.empty() ? kLog : *c.boxesOnError.begin());
}

TEST_P(HandlerLinesTest, ErrorsShowNamedAndUnnamedLinesAndLeaveTheBoxes) {
    const HandlerCase& c = GetParam();
    const struct {
        int code;
        const char* ending;
    } errors[] = {
        {-3, " - Error code -3 [KOV_FILE_WRITE_ERROR]"},
        {-9, " - Error code -9 [KOV_ERROR_LAST]"},
        {-10, " - Error code -10 [Unknown error]"},
    };
    for (const auto& error : errors) {
        SCOPED_TRACE(error.code);
        ClickWith(error.code, "not to be shown");
        EXPECT_EQ(Text(kLog), std::string(c.label) + error.ending);
        EXPECT_EQ(BoxesWritten(), c.boxesOnError);
    }
    EXPECT_STREQ(dialog_->m_reply, "") << "no reply is fetched after an error";
}

INSTANTIATE_TEST_SUITE_P(AllCommandHandlers, HandlerLinesTest, ::testing::ValuesIn(kHandlers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsoleTest, DllVersionShowsMajorAndTwoDigitMinorWithoutProgressOrCommand) {
    Set(kLog, "previous line");
    backend().ClearEvents();
    Click(IDC_BUTTON_DLL_VERSION);
    EXPECT_EQ(Text(kLog), "DLL software version = 1.09");
    EXPECT_EQ(ControlsWritten(), std::vector<int>{kLog}) << "no progress line";
    EXPECT_TRUE(bridge_.commands().empty());
}

}  // namespace
}  // namespace kestrix_test
