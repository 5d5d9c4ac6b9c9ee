// The text forms the bridge reads: numbers, bus messages, register files and script files.
#include <gtest/gtest.h>

#include "bus_message.h"
#include "register_file.h"
#include "script_files.h"
#include "value_text.h"

namespace bridge_sim {
namespace {

TEST(ParseInteger, AcceptsDecimalAndHexAndRefusesTheRest) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"0", 0},         {"  42 ", 42},     {"-5", -5},          {"0x1F", 31},
        {"0XbF", 191},    {"2147483647", 2147483647}, {"0xFFFFFFFF", std::nullopt},
        {"2147483648", std::nullopt}, {"", std::nullopt}, {"   ", std::nullopt},
        {"0x", std::nullopt}, {"12abc", std::nullopt}, {"1a", std::nullopt}, {"- 1", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseMessage, ReadsFieldsAndSaysWhatIsWrong) {
    struct Case {
        const char* line;
        bool ok;
        const char* errorPart;  // part of the error text when not ok
    };
    const Case cases[] = {
        {"0,0x68,255,16,9,0,1", true, ""},
        {"0,CHANGE_VALUE,255,16,9,0,1", true, ""},
        {" 0,96,     1,     2,7,9,0", true, ""},   // the console's blank-padded addresses
        {"0,0x40,255,", true, ""},                   // broadcast, no payload
        {"0,0x40,255,,", true, ""},                  // an empty payload text
        {"8,0x68,255,16", false, "message type"},
        {"0,0x80,255,16", false, "message code"},
        {"0,NO_SUCH,255,16", false, "message code"},
        {"0,0x68,,16", false, "source address"},
        {"0,0x68,256,16", false, "source address"},
        {"0,0x68,255,x", false, "destination address"},
        {"0,0x68,255,16,1,300", false, "payload byte 2"},
        {"0,0x68,255", false, "needs type, code, source and destination"},
    };
    for (const std::size_t bytes : {28u, 29u}) {
        std::string line = "0,0x68,255,16";
        for (std::size_t i = 0; i < bytes; ++i) line += ",0";
        BusMessage message;
        std::string error;
        EXPECT_EQ(ParseMessage(SplitFields(line), message, error), bytes == 28) << bytes;
        if (bytes == 29) {
            EXPECT_NE(error.find("at most 28"), std::string::npos) << error;
        }
    }
    for (const Case& c : cases) {
        BusMessage message;
        std::string error;
        EXPECT_EQ(ParseMessage(SplitFields(c.line), message, error), c.ok) << c.line << ": " << error;
        if (!c.ok) {
            EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.line << ": " << error;
        }
    }
}

TEST(FormatMessage, RoundTripsWithAndWithoutLiterals) {
    const BusMessage messages[] = {
        {0, 0x68, 255, 16, {9, 0, 1}},
        {0, 0x40, 1, std::nullopt, {}},
        {2, 0x33, 0, 17, {1, 2, 3}},
    };
    for (const BusMessage& message : messages) {
        for (const bool literals : {false, true}) {
            BusMessage back;
            std::string error;
            ASSERT_TRUE(ParseMessage(SplitFields(FormatMessage(message, literals)), back, error)) << error;
            EXPECT_EQ(back, message) << FormatMessage(message, literals);
        }
    }
    EXPECT_EQ(FormatMessage(messages[0], true), "0,CHANGE_VALUE,255,16,9,0,1");
    EXPECT_EQ(FormatMessage(messages[0], false), "0,0x68,255,16,9,0,1");
}

TEST(RegisterFile, RefusesBadLinesWithTheirNumber) {
    struct Case {
        const char* text;
        const char* errorPart;
    };
    const Case cases[] = {
        {"# fine\n0x10 = 1,2\nnonsense\n", "line 3: expected"},
        {"device 300\n", "line 1: \"device\" needs"},
        {"0xC00 = 1\n", "line 1: address"},
        {"0xBFF = 1,2\n", "line 1: the bytes run past"},
        {"0x000 = 1,256\n", "line 1: byte 2"},
    };
    for (const Case& c : cases) {
        std::vector<RegisterSection> sections;
        std::string error;
        EXPECT_FALSE(ParseRegisterFile(c.text, sections, error)) << c.text;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    }
}

TEST(ScriptFiles, ParseAndRefuse) {
    std::vector<LibraryScript> library;
    std::string error;
    ASSERT_TRUE(ParseScriptLibrary("# lib\nscript 1 boot\n0,0x40,255,\n0,0x5F,255,\nscript 7\n0,0x68,255,16,9,0,1\n",
                                   library, error))
        << error;
    ASSERT_EQ(library.size(), 2u);
    EXPECT_EQ(library[0].name, "boot");
    EXPECT_EQ(library[0].messages.size(), 2u);
    EXPECT_EQ(library[1].id, 7);

    struct Case {
        const char* text;
        const char* errorPart;
    };
    const Case libraryErrors[] = {
        {"0,0x40,255,\n", "line 1: a message before"},
        {"script 1\nscript 1\n", "line 2: script ID 1 appears twice"},
        {"script x\n", "line 1: \"script\" needs"},
        {"script 2\n0,0x99,255,\n", "line 2: message code"},
    };
    for (const Case& c : libraryErrors) {
        EXPECT_FALSE(ParseScriptLibrary(c.text, library, error)) << c.text;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    }
    std::vector<int> ids;
    EXPECT_FALSE(ParseAutomator("1\nfoo\n", ids, error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    ProjectFile project;
    EXPECT_FALSE(ParseProjectFile("colour = red\n", project, error));
    EXPECT_NE(error.find("unknown key"), std::string::npos);
}

}  // namespace
}  // namespace bridge_sim
