// Replies the handlers must show with care: short and hexadecimal reports, numbers at the
// start of a reply, replies the library splits, and which boxes keep their text.
#include "console_fixture.h"

namespace kestrix_test {
namespace {

TEST_F(ConsoleTest, AShortReportIsTheUnnamedErrorAndKeepsTheBusStatusBox) {
    Set(IDC_EDIT_BUS_STATUS, "earlier report");
    bridge_.Respond(0, "1,0");
    Click(IDC_BUTTON_REPORT_PHY_CONFIG);
    EXPECT_EQ(Text(kLog), "ReportPhyConfig - Error code -11 [Unknown error]");
    EXPECT_EQ(Text(IDC_EDIT_BUS_STATUS), "earlier report");
}

TEST_F(ConsoleTest, ReportFieldsInHexadecimalAreShownInDecimalInBothBoxes) {
    bridge_.Respond(5, "0x10,0xFFFFFFFF,1a");
    Click(IDC_BUTTON_REPORT_PHY_CONFIG);
    EXPECT_EQ(Text(kLog), "SLIMbusLevel 16, BusHoldEnabled -1, SD1Assign 20");
    EXPECT_EQ(Text(IDC_EDIT_BUS_STATUS), Text(kLog));
}

TEST_F(ConsoleTest, PresenceRatesAreShownInReplyOrder) {
    bridge_.Respond(0, "11,10,9,8,7,6,5,4,3,2,1,0");
    Click(IDC_BUTTON_REPORT_PRESENCE_RATE);
    EXPECT_EQ(Text(kLog),
              "PresenceRate 0: 11,  1: 10,  2: 9,  3: 8,  4: 7,  5: 6,  6: 5,  7: 4,  8: 3,  9: 2,  10: 1, 11: 0");
}

TEST_F(ConsoleTest, IpResetShowsTheRepliedNumberOrItsError) {
    const struct {
        const char* reply;
        const char* line;
    } cases[] = {
        {"0 reset done", "Bridge IP Reset = 0 Reply [0 reset done]"},
        {"done\r\n", "Bridge IP Reset = 0 Reply [done\n]"},
        {"-5", "Bridge IP Reset - Error code -5 [KOV_HARDWARE_NOT_CONNECTED]"},
    };
    for (const auto& c : cases) {
        bridge_.Respond(3, c.reply);  // the status never reaches the line
        Click(IDC_BUTTON_IP_RESET);
        EXPECT_EQ(Text(kLog), c.line);
    }
}

TEST_F(ConsoleTest, BusStatusFieldsTheLibraryDidNotWriteShowAsZero) {
    bridge_.Respond(0, "7,3");
    Click(IDC_BUTTON_REQUEST_BUS_STATUS);
    EXPECT_EQ(Text(kLog), "RF 0, CG 7, IP Frozen 0, IP Paused 0");
    EXPECT_EQ(Text(IDC_EDIT_BUS_STATUS), Text(kLog));
}

TEST_F(ConsoleTest, PortConfigurationShowsTheSameFiveLinesInItsBoxAndTheLog) {
    bridge_.Respond(0, "1,2,3,4,5,6,7,8,9,8,7,6");
    Click(IDC_BUTTON_REQUEST_PORT_CONFIG);
    EXPECT_EQ(Text(IDC_EDIT_PORT_CONFIG),
              "1 2 3 4 5 6 7 8 \r\nInput Presence Rate = 9 \r\nInput Presence Rate mismatch =  8 \r\n"
              "Output Presence Rate = 7 \r\nOutput Presence Rate mismatch = 6");
    EXPECT_EQ(Text(kLog), Text(IDC_EDIT_PORT_CONFIG));
}

TEST_F(ConsoleTest, AModelReplyOfTwoFieldsShowsEmptyFieldsForWhatTheLibraryDidNotWrite) {
    bridge_.Respond(0, "Q7,1.2");
    Click(IDC_BUTTON_BRIDGE_MODEL);
    EXPECT_EQ(Text(kLog), "Kov Bridge Model Type = Q7 FirmwareVersion  IPVersion ");
}

TEST_F(ConsoleTest, BridgeConfigurationBoxAlwaysShowsTheReplyBuffer) {
    bridge_.Respond(-5);
    Click(IDC_BUTTON_REQUEST_BRIDGE_CONFIG);
    EXPECT_EQ(Text(kLog), "RequestBridgeConfiguration - Error code -5 [KOV_HARDWARE_NOT_CONNECTED]");
    EXPECT_EQ(Text(IDC_EDIT_BRIDGE_CONFIG), "") << "nothing fetched since start";

    bridge_.Respond(0, "reset reply");
    Click(IDC_BUTTON_RESET);
    bridge_.Respond(-5);
    Click(IDC_BUTTON_REQUEST_BRIDGE_CONFIG);
    EXPECT_EQ(Text(IDC_EDIT_BRIDGE_CONFIG), "reset reply");

    bridge_.Respond(0);  // success without a reply file: the emptied buffer shows nothing
    Click(IDC_BUTTON_REQUEST_BRIDGE_CONFIG);
    EXPECT_EQ(Text(kLog), "RequestBridgeConfiguration ok Reply: []");
    EXPECT_EQ(Text(IDC_EDIT_BRIDGE_CONFIG), "");
}

TEST_F(ConsoleTest, ReadRegisterFillsTheDataBoxBeforeTheLogAndOnlyOnSuccess) {
    bridge_.Respond(0, "00ff");
    Click(IDC_BUTTON_READ_REGISTER);
    EXPECT_EQ(Text(IDC_EDIT_READ_DATA), "00ff");
    const std::vector<int> order = ControlsWritten();
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order[order.size() - 2], IDC_EDIT_READ_DATA);
    EXPECT_EQ(order.back(), kLog);

    bridge_.Respond(-4);
    Click(IDC_BUTTON_READ_REGISTER);
    EXPECT_EQ(Text(IDC_EDIT_READ_DATA), "00ff");
    EXPECT_EQ(Text(kLog), "Read Register - Error code -4 [KOV_FILE_READ_ERROR]");
}

TEST_F(ConsoleTest, ASuccessWithoutAReplyFileShowsTheEarlierReply) {
    bridge_.Respond(0, "first");
    Click(IDC_BUTTON_RESET);
    bridge_.Respond(1);
    Click(IDC_BUTTON_PLAY_BUFFER);
    EXPECT_EQ(Text(kLog), "Play Buffer ok Reply: [first]");
}

TEST_F(ConsoleTest, ALongReplyIsShownWhole) {
    const std::string reply(500, 'r');
    bridge_.Respond(0, reply);
    Click(IDC_BUTTON_RESET);
    EXPECT_EQ(Text(kLog), "BridgeReset = 0 Reply [" + reply + "]");

    bridge_.Respond(0, reply);
    Click(IDC_BUTTON_REQUEST_SCRIPT_LIB_CONTENT);
    EXPECT_EQ(Text(kLog), "Script Library Content [" + reply + "] (reply: " + reply + ")");
}

TEST_F(ConsoleTest, CheckBoxesSendTheirNewStateAndKeepItAfterAnError) {
    const struct {
        int box;
        const char* keyword;
    } boxes[] = {
        {IDC_CHECK_FRAMER, "FramerControl,017,"},
        {IDC_CHECK_MANAGER, "ManagerControl,018,"},
        {IDC_CHECK_SNIFFER, "SnifferControl,019,"},
        {IDC_CHECK_USE_LITERALS, "UseLiterals,051,"},
    };
    for (const auto& b : boxes) {
        bridge_.Respond(-5, "-5");
        Click(b.box);
        EXPECT_EQ(bridge_.lastCommand(), std::string(b.keyword) + "1");
        EXPECT_TRUE(Checked(b.box)) << "not set back after an error";

        bridge_.Respond(0, "0");
        Click(b.box);
        EXPECT_EQ(bridge_.lastCommand(), std::string(b.keyword) + "0");
        EXPECT_FALSE(Checked(b.box));
    }
    EXPECT_EQ(Text(kLog), "Use Literals  0 = 0");
}

}  // namespace
}  // namespace kestrix_test
