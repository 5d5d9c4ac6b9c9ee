// How the console turns edit texts into the arguments the bridge service receives, and how it
// decodes the software version.
#include "console_fixture.h"
#include "text_conversion.h"
#include "transport.h"

namespace kestrix_test {
namespace {

TEST(TextConversion, SignedDecimalSkipsBlanksTakesASignAndStopsAtTheFirstOtherCharacter) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},         {"abc", 0},     {"0x10", 0},    {"12abc", 12},    {"  -5", -5},
        {"+7", 7},       {"- 3", 0},     {"50ms", 50},   {"\t 42 ", 42},   {"4294967295", -1},
        {"2147483648", -2147483647 - 1}, {"-2147483648", -2147483647 - 1}, {"4294967296", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ToSignedDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextConversion, AddressesAreExactlySixCharacters) {
    const struct {
        const char* text;
        const char* address;
    } cases[] = {
        {"", "      "}, {"ab", "    ab"}, {"abcdef", "abcdef"}, {"abcdefgh", "abcdef"}, {" a b ", "  a b "},
    };
    for (const auto& c : cases) EXPECT_EQ(SixCharacterAddress(c.text), c.address) << '"' << c.text << '"';
}

TEST_F(ConsoleTest, SoftwareVersionShowsTheThreeLowBytesOfTheRepliedNumber) {
    const struct {
        const char* reply;
        const char* line;
    } cases[] = {
        {"258", "Kov Bridge software version = 00.01.02"},
        {"v1.2", "Kov Bridge software version = 00.00.00"},
        {"-1", "Kov Bridge software version = ff.ff.ff"},
        {"16909060", "Kov Bridge software version = 02.03.04"},  // 0x01020304: bits 24 up never shown
        {" 65535\r\n", "Kov Bridge software version = 00.ff.ff"},
    };
    for (const auto& c : cases) {
        bridge_.Respond(7, c.reply);
        Click(IDC_BUTTON_SW_VERSION);
        EXPECT_EQ(Text(kLog), c.line) << c.reply;
    }
}

TEST_F(ConsoleTest, SetPollTimingsConvertsBothEditsAndSendsTheBridgePeriod) {
    const struct {
        const char* library;
        const char* bridge;
        const char* command;
        int libraryPeriod;  // the period the library then polls at
    } cases[] = {
        {"", "", "SetPollTiming,029,0", vantrel::kDefaultPollPeriodMs},
        {"50ms", "100ms", "SetPollTiming,029,100", 50},
        {"1", "-3", "SetPollTiming,029,-3", 50},  // 1 is not taken by the library; 50 stays
    };
    for (const auto& c : cases) {
        Set(IDC_EDIT_DLL_POLL_MS, c.library);
        Set(IDC_EDIT_BRIDGE_POLL_MS, c.bridge);
        Click(IDC_BUTTON_SET_POLL_TIMINGS);
        EXPECT_EQ(bridge_.lastCommand(), c.command);
        EXPECT_EQ(bridge_.sleepPeriods().back(), c.libraryPeriod) << c.library;
    }
}

TEST_F(ConsoleTest, SendFormatsBothAddressesAsSixCharacters) {
    const struct {
        const char* source;
        const char* destination;
        const char* command;
    } cases[] = {
        {"ab", "", "PlayMessage,014, 3,4,    ab,      ,1,2"},
        {"abcdefgh", "123456", "PlayMessage,014, 3,4,abcdef,123456,1,2"},
        {"", "1234567", "PlayMessage,014, 3,4,      ,123456,1,2"},
    };
    Set({{IDC_EDIT_MSG_TYPE, "3"}, {IDC_EDIT_MSG_CODE, "4"}, {IDC_EDIT_PAYLOAD, "1,2"}});
    for (const auto& c : cases) {
        Set({{IDC_EDIT_SOURCE_ADDRESS, c.source}, {IDC_EDIT_DESTINATION_ADDRESS, c.destination}});
        Click(IDC_BUTTON_SEND);
        EXPECT_EQ(bridge_.lastCommand(), c.command);
    }
}

TEST_F(ConsoleTest, NumberFieldsAreSignedDecimalWhateverElseTheyHold) {
    const struct {
        int button;
        int edit;
        const char* before;  // command text up to the number
        const char* after;   // and after it
    } fields[] = {
        {IDC_BUTTON_PLAY_SCRIPT_ID, IDC_EDIT_SCRIPT_ID, "PlayScriptID,016,", ""},
        {IDC_BUTTON_SEND, IDC_EDIT_MSG_TYPE, "PlayMessage,014, ", ",0,      ,      ,"},
        {IDC_BUTTON_SEND, IDC_EDIT_MSG_CODE, "PlayMessage,014, 0,", ",      ,      ,"},
        {IDC_BUTTON_IMPORT_REGISTER, IDC_EDIT_IMPORT_LOGICAL_ADDRESS, "ImportRegister,023,,", ",0"},
        {IDC_BUTTON_IMPORT_REGISTER, IDC_EDIT_IMPORT_SLICE_SIZE, "ImportRegister,023,,0,", ""},
        {IDC_BUTTON_EXPORT_LIVE_VIEW, IDC_EDIT_START_INDEX, "ExportLiveView,025,,", ""},
        {IDC_BUTTON_WRITE_REGISTER, IDC_EDIT_WRITE_LOGICAL_ADDRESS, "WriteRegister,027,", ",0,"},
        {IDC_BUTTON_WRITE_REGISTER, IDC_EDIT_WRITE_REGISTER_ADDRESS, "WriteRegister,027,0,", ","},
        {IDC_BUTTON_READ_REGISTER, IDC_EDIT_READ_LOGICAL_ADDRESS, "ReadRegister,028,", ",0,0"},
        {IDC_BUTTON_READ_REGISTER, IDC_EDIT_READ_REGISTER_ADDRESS, "ReadRegister,028,0,", ",0"},
        {IDC_BUTTON_READ_REGISTER, IDC_EDIT_READ_SLICE_SIZE, "ReadRegister,028,0,0,", ""},
    };
    const struct {
        const char* text;
        const char* number;
    } texts[] = {{"abc", "0"}, {"0x10", "0"}, {"-5", "-5"}, {" +12abc", "12"}};
    for (const auto& field : fields) {
        for (const auto& text : texts) {
            Set(field.edit, text.text);
            Click(field.button);
            EXPECT_EQ(bridge_.lastCommand(), std::string(field.before) + text.number + field.after);
            Set(field.edit, "");
        }
    }
}

TEST_F(ConsoleTest, PathsPayloadAndDataGoWholeAndUnchanged) {
    const std::string longPath = "/data/" + std::string(300, 'p') + ".kpf";  // more than a 256-byte buffer
    Set(IDC_EDIT_PROJECT_FILE, longPath);
    Click(IDC_BUTTON_LOAD_PROJECT_FILE);
    EXPECT_EQ(bridge_.lastCommand(), "LoadProjectFile,007," + longPath);
    EXPECT_EQ(Text(kLog), "Fileload " + longPath + " = 0 ");

    Set({{IDC_EDIT_WRITE_LOGICAL_ADDRESS, "1"}, {IDC_EDIT_WRITE_REGISTER_ADDRESS, "2"},
         {IDC_EDIT_WRITE_DATA, "a, b;c"}});
    Click(IDC_BUTTON_WRITE_REGISTER);
    EXPECT_EQ(bridge_.lastCommand(), "WriteRegister,027,1,2,a, b;c");
}

TEST_F(ConsoleTest, APathTooLongForTheCommandLineIsRefusedByTheLibraryAndShownAsAnError) {
    const std::string path(600, 'x');
    Set(IDC_EDIT_SCRIPT_FILE, path);
    Click(IDC_BUTTON_LOAD_SCRIPT);
    EXPECT_TRUE(bridge_.commands().empty()) << "nothing cut, nothing sent";
    EXPECT_EQ(Text(kLog), "Load Script - Error code -7 [KOV_INVALID_VALUE]");
}

}  // namespace
}  // namespace kestrix_test
