// The bridge model on its own: each command line in, status and reply out, without a mailbox.
#include <gtest/gtest.h>

#include <fstream>
#include <stdlib.h>

#include "bridge.h"
#include "command_table.h"
#include "number_conversion.h"
#include "value_text.h"
#include "vantrel.h"

namespace bridge_sim {
namespace {

class BridgeModel : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/bridge-model-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string File(const std::string& name, const std::string& text) {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path) << text;
        return path;
    }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    static std::string ReadAll(const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    Answer Run(const std::string& line) { return bridge_.Execute(line); }
    // Runs each line and expects success, so a sequence reads as set-up.
    void RunAll(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            const Answer answer = Run(line);
            ASSERT_GE(answer.status, 0) << line << ": " << answer.reply;
        }
    }

    Bridge bridge_;
    std::string dir_;
};

// One command on a fresh bridge: the status and the reply (exactly, or a part of it for errors).
struct SingleCase {
    const char* line;
    int status;
    const char* reply;
    bool exact;
};

TEST_F(BridgeModel, AnswersEachCommandOnAFreshBridge) {
    const SingleCase cases[] = {
        {"Open,001", 0, "bridge open", true},
        {"Close,002", 0, "bridge closed", true},
        {"GetSWVersion,003", 0, "132097", true},
        {"GetModel,006", 0, "SLIMbus bridge simulator,3.2.1,1.4", true},
        {"RequestPortConfig,010", 0, "-,-,-,-,-,-,-,-,3,0,3,0", true},
        {"RequestBusStatus,013", 0, "10,1,0,0", true},
        {"ReadRegister,028,16,0,4", 0, "0,0,0,0", true},
        {"WriteRegister,027,16,4,1,2,3", 0, "3 bytes written at 0x004", true},
        {"PlayMessage,014, 0,96,   255,    16,7,0x09,0x00", 0, "0,0x64,16,255,7,0,0", true},
        {"PlayMessage,014, 0,104,   255,    16,8,0,5", 0, "sent CHANGE_VALUE to 16", true},
        {"PlayMessage,014, 0,64,   255,      ,", 0, "sent BEGIN_RECONFIGURATION to all", true},
        {"FramerControl,017,1", 0, "framer on", true},
        {"ManagerControl,018,0", 0, "manager off", true},
        {"SnifferControl,019,0", 0, "sniffer off", true},
        {"BridgeReset,020", 0, "bridge reset", true},
        {"RequestBridgeConfig,021", 0, "Framer on,Manager on,Sniffer on,Literals off,Poll 200 ms,Devices 1:bridge framer 2:bridge interface 16:codec 17:amplifier", true},
        {"LiveViewCount,026", 0, "0", true},
        {"SetPollTiming,029,50", 0, "bridge poll period 50 ms", true},
        {"ReportFramerConfig,030", 0, "1,0x1F,10,0x02,0x0001", true},
        {"ReportPhyConfig,031", 0, "1,1,0", true},
        {"ReportPresenceRate,035", 0, "3,3,3,3,11,11,17,18,0,0,0,0", true},
        {"IPReset,036", 0, "0,IP reset", true},
        {"UseLiterals,051,1", 0, "1,literals on", true},
        {"ClearLiveView,052", 0, "0,entries cleared", true},
        {"LoadProjectFile,008", 0, "no script library loaded", true},
        // What was wrong, said in the reply.
        {"Bogus,001", KOV_ACTION_NOT_ALLOWED, "unknown keyword \"Bogus\"", true},
        {"", KOV_ACTION_NOT_ALLOWED, "empty command", true},
        {"Close", KOV_INVALID_VALUE, "missing argument: the command number", false},
        {"LoadProjectFile,009,x", KOV_INVALID_VALUE, "does not take command number", false},
        {"ReadRegister,028,16,0", KOV_INVALID_VALUE, "missing argument: ReadRegister needs the slice size", true},
        {"ReadRegister,028,16,0,5", KOV_INVALID_VALUE, "slice size 5 is not one of", false},
        {"ReadRegister,028,16,0,32", KOV_INVALID_VALUE, "slice size 32 is outside 1 to 16", false},
        {"ReadRegister,028,16,3072,1", KOV_INVALID_VALUE, "register address 3072 is outside", false},
        {"ReadRegister,028,16,0xBF8,16", KOV_INVALID_VALUE, "runs past 0xBFF", false},
        {"ReadRegister,028,99,0,1", KOV_HARDWARE_NOT_CONNECTED, "no device at logical address 99", true},
        {"ReadRegister,028,abc,0,1", KOV_INVALID_VALUE, "logical address \"abc\" is not a number", true},
        {"ReadRegister,028,16,0,1,7", KOV_INVALID_VALUE, "takes 3 argument(s), not 4", false},
        {"WriteRegister,027,16,0,1,2,3,4,5", KOV_INVALID_VALUE, "5 data bytes is not a slice size", false},
        {"WriteRegister,027,16,0,1,x", KOV_INVALID_VALUE, "data byte 2", false},
        {"FramerControl,017,2", KOV_INVALID_VALUE, "flag 2 is outside 0 to 1", true},
        {"SetPollTiming,029,0", KOV_INVALID_VALUE, "bridge poll period 0 is outside", false},
        {"LoadScript,012,/nonexistent/x.txt", KOV_FILE_READ_ERROR, "cannot read \"/nonexistent/x.txt\"", true},
        {"LoadScript,012,", KOV_INVALID_VALUE, "the file name is empty", true},
        {"ExportRegister,024,/nonexistent/r.txt", KOV_FILE_WRITE_ERROR, "cannot write", false},
        {"ExportLiveView,025,/tmp/x.txt,1", KOV_INVALID_VALUE, "start index 1 is outside 0 to 0", true},
        {"ImportRegister,023,/nonexistent,16,5", KOV_INVALID_VALUE, "slice size 5", false},
        {"PlayBuffer,015", KOV_ACTION_NOT_ALLOWED, "no script loaded", true},
        {"PlayScriptID,016,1", KOV_ACTION_NOT_ALLOWED, "no script library loaded", true},
        {"PlayMessage,014, 0,96,   255,    99,7,9,0", KOV_HARDWARE_NOT_CONNECTED, "no device at logical address 99", true},
        {"PlayMessage,014, 0,96,   255,    16,7", KOV_INVALID_VALUE, "element code", false},
        {"PlayMessage,014, 0,104,   255,    16,9,0", KOV_INVALID_VALUE, "takes 2 value byte(s), the payload has 0", false},
        {"PlayMessage,014, 0,0x33,   255,    16", KOV_INVALID_VALUE, "core message code 0x33 does not exist", true},
        {"PlayMessage,014, 0,96,   255", KOV_INVALID_VALUE, "missing argument: PlayMessage needs the destination address", true},
    };
    for (const SingleCase& c : cases) {
        Bridge fresh;
        const Answer answer = fresh.Execute(c.line);
        EXPECT_EQ(answer.status, c.status) << c.line << ": " << answer.reply;
        if (c.exact) {
            EXPECT_EQ(answer.reply, c.reply) << c.line;
        } else {
            EXPECT_NE(answer.reply.find(c.reply), std::string::npos) << c.line << ": " << answer.reply;
        }
    }
}

// The layouts the library's parsers count on.
TEST_F(BridgeModel, ReportsCarryTheFieldCountsTheLibraryParses) {
    struct Case {
        const vantrel::CommandRow& row;
        std::size_t fields;
    };
    namespace cmd = vantrel::commands;
    const Case cases[] = {
        {cmd::kReportFramerConfig, 5}, {cmd::kReportPhyConfig, 3},       {cmd::kReportClkConfig, 7},
        {cmd::kReportDigAudioConfig, 11}, {cmd::kReportDataPathConfig, 8}, {cmd::kReportPresenceRate, 12},
        {cmd::kGetModel, 3},           {cmd::kRequestBusStatus, 4},
    };
    for (const Case& c : cases) {
        char line[64];
        std::snprintf(line, sizeof line, "%s,%03d", c.row.keyword, c.row.number);
        const Answer answer = Run(line);
        ASSERT_EQ(answer.status, 0) << line;
        const auto fields = SplitFields(answer.reply);
        EXPECT_EQ(fields.size(), c.fields) << line << ": " << answer.reply;
        for (const std::string& field : fields) {
            EXPECT_FALSE(field.empty()) << line;
        }
    }
    // Port configuration: characters at even positions, separators at odd ones, integers from 16.
    RunAll({"PlayMessage,014, 0,0x10,255,2,0,1", "PlayMessage,014, 0,0x11,255,2,3,2"});
    const std::string ports = Run("RequestPortConfig,010").reply;
    EXPECT_EQ(ports.substr(0, 16), "O,-,-,I,-,-,-,-,");
    EXPECT_EQ(vantrel::ConvertSignedDecimal(ports.c_str() + 16), 3);
    // The software version's three low bytes are the version 2.4.1.
    EXPECT_EQ(vantrel::ConvertSignedDecimal(Run("GetSWVersion,003").reply.c_str()) & 0xFFFFFF, 0x020401);
}

TEST_F(BridgeModel, RegisterWrittenIsReadBackForEverySliceSize) {
    int address = 0;
    for (const int size : {1, 2, 3, 4, 6, 8, 12, 16}) {
        std::vector<std::uint8_t> bytes;
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(size * 10 + i));
        const std::string data = FormatByteList(bytes);
        RunAll({"WriteRegister,027,17," + std::to_string(address) + "," + data});
        EXPECT_EQ(Run("ReadRegister,028,17," + std::to_string(address) + "," + std::to_string(size)).reply, data);
        address += 16;
    }
    // The last 16 bytes of the map are reachable; other devices keep their own maps.
    RunAll({"WriteRegister,027,16,0xBF0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"});
    EXPECT_EQ(Run("ReadRegister,028,16,3056,16").reply, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
    EXPECT_EQ(Run("ReadRegister,028,17,3056,4").reply, "0,0,0,0");
}

TEST_F(BridgeModel, ValueMessagesActOnTheAddressedDevice) {
    // Element code for byte address 0x010, byte-based, 2 bytes: 0x0109, sent low byte first.
    struct Step {
        const char* line;
        int status;
        const char* reply;
    };
    const Step steps[] = {
        {"PlayMessage,014, 0,CHANGE_VALUE,255,16,0x09,0x01,7,8", 0, "sent CHANGE_VALUE to 16"},
        {"ReadRegister,028,16,16,2", 0, "7,8"},
        {"PlayMessage,014, 0,REQUEST_VALUE,255,16,42,0x09,0x01", 0, "0,0x64,16,255,42,7,8"},
        {"PlayMessage,014, 0,REQUEST_CHANGE_VALUE,255,16,43,0x09,0x01,9,10", 0, "0,0x64,16,255,43,7,8"},
        {"ReadRegister,028,16,16,2", 0, "9,10"},
        // Elemental access to bit 2 of byte 0x010 (9 = 0b1001): element code 0x0102.
        {"PlayMessage,014, 0,REQUEST_VALUE,255,16,1,0x02,0x01", 0, "0,0x64,16,255,1,0"},
        {"PlayMessage,014, 0,CHANGE_VALUE,255,16,0x02,0x01,1", 0, "sent CHANGE_VALUE to 16"},
        {"ReadRegister,028,16,16,1", 0, "13"},
        // Device class from the information map (element 0x009, 1 byte: 0x0098).
        {"PlayMessage,014, 0,REQUEST_INFORMATION,255,2,5,0x98,0x00", 0, "0,0x24,2,255,5,253"},
        {"UseLiterals,051,1", 0, "1,literals on"},
        {"PlayMessage,014, 0,0x60,255,16,44,0x09,0x01", 0, "0,REPLY_VALUE,16,255,44,13,10"},
        // A message of another type reaches a device present and changes nothing.
        {"PlayMessage,014, 2,0x30,255,16,1,2", 0, "sent 0x30 to 16"},
        {"PlayMessage,014, 0,CHANGE_VALUE,255,,0x09,0x01,7,8", KOV_INVALID_VALUE, "needs a destination"},
    };
    for (const Step& step : steps) {
        const Answer answer = Run(step.line);
        EXPECT_EQ(answer.status, step.status) << step.line << ": " << answer.reply;
        EXPECT_NE(answer.reply.find(step.reply), std::string::npos) << step.line << ": " << answer.reply;
    }
}

TEST_F(BridgeModel, ReconfigurationChangesBusStatusOnlyWhenApplied) {
    RunAll({"PlayMessage,014, 0,BEGIN_RECONFIGURATION,255,", "PlayMessage,014, 0,NEXT_CLOCK_GEAR,255,,7",
            "PlayMessage,014, 0,NEXT_ROOT_FREQUENCY,255,,2", "PlayMessage,014, 0,NEXT_DEFINE_CHANNEL,255,,0,11"});
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "10,1,0,0");
    RunAll({"PlayMessage,014, 0,RECONFIGURE_NOW,255,"});
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "7,2,0,0");
    // Channel 0 now runs at 44.1 kHz on the 22.5792 MHz root: no mismatch; channel 1 at 48 kHz: one.
    EXPECT_EQ(Run("RequestPortConfig,010").reply.substr(16), "11,0,3,1");
    EXPECT_EQ(Run("PlayMessage,014, 0,NEXT_CLOCK_GEAR,255,,11").status, KOV_INVALID_VALUE);

    // Without the framer the bus has no clock: IP frozen, messages refused, nothing recorded.
    const std::string count = Run("LiveViewCount,026").reply;
    RunAll({"FramerControl,017,0"});
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "7,2,1,0");
    const Answer refused = Run("PlayMessage,014, 0,CHANGE_VALUE,255,16,0x09,0x01,7,8");
    EXPECT_EQ(refused.status, KOV_ACTION_NOT_ALLOWED);
    EXPECT_EQ(refused.reply, "the bus has no clock: the framer is off");
    EXPECT_EQ(Run("ReadRegister,028,16,0,1").status, KOV_ACTION_NOT_ALLOWED);
    EXPECT_EQ(Run("LiveViewCount,026").reply, count);

    // A paused clock until IP Reset.
    RunAll({"FramerControl,017,1", "PlayMessage,014, 0,NEXT_PAUSE_CLOCK,255,,0", "PlayMessage,014, 0,RECONFIGURE_NOW,255,"});
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "7,2,0,1");
    EXPECT_EQ(Run("ReadRegister,028,16,0,1").status, KOV_ACTION_NOT_ALLOWED);
    RunAll({"IPReset,036"});
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "7,2,0,0");
}

TEST_F(BridgeModel, RegisterFileRoundTripsThroughExportAndImport) {
    RunAll({"WriteRegister,027,16,0,1,2,3,4", "WriteRegister,027,16,0xBFC,250,251,252,253",
            "WriteRegister,027,17,100,9"});
    const std::string file = Path("regs.txt");
    RunAll({"ExportRegister,024," + file});
    const std::string exported = ReadAll(file);
    EXPECT_NE(exported.find("device 16\r\n0x000 = 1,2,3,4,0"), std::string::npos);

    for (const int slice : {1, 3, 16}) {
        RunAll({"BridgeReset,020"});
        ASSERT_EQ(Run("ReadRegister,028,16,0,4").reply, "0,0,0,0");
        const Answer imported = Run("ImportRegister,023," + file + ",16," + std::to_string(slice));
        ASSERT_EQ(imported.status, 0) << imported.reply;
        EXPECT_EQ(Run("ReadRegister,028,16,0,4").reply, "1,2,3,4") << slice;
        EXPECT_EQ(Run("ReadRegister,028,16,0xBFC,4").reply, "250,251,252,253") << slice;
        EXPECT_EQ(Run("ReadRegister,028,17,100,1").reply, "0") << "only the named device is imported";
        RunAll({"ExportRegister,024," + Path("again.txt")});
        EXPECT_EQ(ReadAll(Path("again.txt")).find("device 16\r\n"), exported.find("device 16\r\n"));
    }
    EXPECT_EQ(ReadAll(Path("again.txt")).substr(0, exported.find("device 17")),
              exported.substr(0, exported.find("device 17")));

    // A file without device lines goes to the named device; a bad one changes nothing.
    RunAll({"ImportRegister,023," + File("plain.txt", "# mine\n0x020 = 5,6\n") + ",17,2"});
    EXPECT_EQ(Run("ReadRegister,028,17,32,2").reply, "5,6");
    const Answer partial = Run("ImportRegister,023," + File("bad.txt", "0x000 = 7,7\n0x010 = 1\n") + ",17,2");
    EXPECT_EQ(partial.status, KOV_INVALID_VALUE);
    EXPECT_NE(partial.reply.find("not a multiple of the slice size 2"), std::string::npos) << partial.reply;
    EXPECT_EQ(Run("ReadRegister,028,17,0,2").reply, "0,0");
    const Answer broken = Run("ImportRegister,023," + File("broken.txt", "0x000 = 7\nwhat\n") + ",17,1");
    EXPECT_EQ(broken.status, KOV_INVALID_VALUE);
    EXPECT_NE(broken.reply.find("line 2"), std::string::npos) << broken.reply;
}

TEST_F(BridgeModel, LiveViewRecordsEveryBusMessage) {
    RunAll({"WriteRegister,027,16,0,1,2",  // CHANGE_VALUE
            "ReadRegister,028,16,0,2",     // REQUEST_VALUE and REPLY_VALUE
            "PlayMessage,014, 0,0x60,255,16,3,0x09,0x00"});  // and its REPLY_VALUE
    EXPECT_EQ(Run("LiveViewCount,026").reply, "5");
    const std::string file = Path("live.txt");
    RunAll({"ExportLiveView,025," + file + ",1"});
    EXPECT_EQ(ReadAll(file),
              "# live view entries 1 to 4: type,code,source,destination,payload\r\n"
              "0,0x60,255,16,0,9,0\r\n0,0x64,16,255,0,1,2\r\n0,0x60,255,16,3,9,0\r\n0,0x64,16,255,3,1,2\r\n");
    // The export is a script: playing it adds its four messages and their two answers.
    RunAll({"LoadPlayScript,009," + file});
    EXPECT_EQ(Run("LiveViewCount,026").reply, "11");
    EXPECT_EQ(Run("ClearLiveView,052").reply, "11,entries cleared");
    RunAll({"SnifferControl,019,0", "WriteRegister,027,16,0,1"});
    EXPECT_EQ(Run("LiveViewCount,026").reply, "0");
}

TEST_F(BridgeModel, ScriptsLibrariesAutomatorAndProject) {
    const std::string script = File("gear.txt", "# gear 5\n0,BEGIN_RECONFIGURATION,255,\n0,NEXT_CLOCK_GEAR,255,,5\n0,RECONFIGURE_NOW,255,\n");
    File("lib.txt", "script 1 gear 8\n0,0x40,255,\n0,0x46,255,,8\n0,0x5F,255,\nscript 2 write\n0,0x68,255,16,0x08,0x00,77\n");
    File("auto.txt", "2\n1\n");
    File("project.txt", "library = lib.txt\nscript = gear.txt\n");

    RunAll({"LoadScript,012," + script});
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "10,1,0,0") << "loading does not play";
    EXPECT_EQ(Run("PlayBuffer,015").reply, "script " + script + ": 3 messages played");
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "5,1,0,0");

    RunAll({"LoadProjectFile,007," + Path("project.txt")});
    EXPECT_EQ(Run("LoadProjectFile,008").reply, "2 scripts: 1 gear 8 (3 messages); 2 write (1 messages)");
    RunAll({"PlayScriptID,016,1"});
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "8,1,0,0");
    EXPECT_EQ(Run("PlayScriptID,016,3").status, KOV_INVALID_VALUE);

    RunAll({"PlayBuffer,015"});  // the project's script
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "5,1,0,0");
    EXPECT_EQ(Run("LoadAutomatorFilename,050," + Path("auto.txt")).reply,
              "automator " + Path("auto.txt") + ": 2 scripts, 4 messages played");
    EXPECT_EQ(Run("ReadRegister,028,16,0,1").reply, "77");
    EXPECT_EQ(Run("RequestBusStatus,013").reply, "8,1,0,0");

    // A failing message stops the script and names it; a bad file changes nothing loaded.
    const Answer failed = Run("LoadPlayScript,009," + File("bad.txt", "0,0x46,255,,3\n0,0x68,255,99,0x08,0x00,1\n"));
    EXPECT_EQ(failed.status, KOV_HARDWARE_NOT_CONNECTED);
    EXPECT_NE(failed.reply.find("message 2 of 2: no device at logical address 99"), std::string::npos) << failed.reply;
    const Answer unreadable = Run("LoadScriptLib,011," + File("badlib.txt", "script 1\n0,0x46,255,,x\n"));
    EXPECT_EQ(unreadable.status, KOV_INVALID_VALUE);
    EXPECT_NE(unreadable.reply.find("line 2"), std::string::npos);
    EXPECT_EQ(Run("LoadProjectFile,008").reply, "2 scripts: 1 gear 8 (3 messages); 2 write (1 messages)");
    EXPECT_EQ(Run("LoadAutomatorFilename,050," + File("auto2.txt", "1\n9\n")).status, KOV_INVALID_VALUE);
}

TEST_F(BridgeModel, PathsWithCommasAndDriveLettersReachTheFile) {
    setenv("WINEPREFIX", dir_.c_str(), 1);
    std::system(("mkdir -p '" + dir_ + "/drive_c/scripts'").c_str());
    std::ofstream(dir_ + "/drive_c/scripts/boot.txt") << "0,0x46,255,,6\n";
    EXPECT_EQ(Run("LoadScript,012,c:\\scripts\\boot.txt").status, 0);
    const std::string withComma = File("a,b.txt", "0,0x46,255,,6\n");
    EXPECT_EQ(Run("LoadScript,012," + withComma).status, 0);
    RunAll({"WriteRegister,027,16,0,42"});
    EXPECT_EQ(Run("ImportRegister,023," + File("r,1.txt", "0x001 = 43\n") + ",16,1").status, 0);
    EXPECT_EQ(Run("ReadRegister,028,16,0,2").reply, "42,43");
    unsetenv("WINEPREFIX");
}

TEST_F(BridgeModel, LongCommandsAreTheOnesThatPlayOrMoveFiles) {
    EXPECT_TRUE(bridge_.TakesLong("LoadPlayScript,009,x"));
    EXPECT_TRUE(bridge_.TakesLong("ImportRegister,023,x,1,1"));
    EXPECT_FALSE(bridge_.TakesLong("Close,002"));
    EXPECT_FALSE(bridge_.TakesLong("LoadProjectFile,008"));
    EXPECT_TRUE(bridge_.TakesLong("LoadProjectFile,007,x"));
    EXPECT_FALSE(bridge_.TakesLong("Nonsense"));
}

}  // namespace
}  // namespace bridge_sim
