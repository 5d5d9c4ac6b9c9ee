// The two conversions of reply text to integers and the field cutter of the reports. Both
// conversions wrap modulo 2^32 and never report an error, so every odd input has a defined value.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

#include "number_conversion.h"
#include "reply_parsing.h"

namespace {

struct NumberCase {
    const char* text;
    std::int32_t expected;
};

TEST(ParseNumberTest, DecimalOrPrefixedHexWithoutSignOrBlanks) {
    const NumberCase cases[] = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"0x", 0},
        {"0xFFFFFFFF", -1},
        {"0x7fffffff", INT_MAX},
        {"08", 8},              // no octal
        {"1a", 20},             // a-f are digits worth 10-15 in base 10 too
        {"ff", 165},
        {"7g", 7},
        {"", 0},
        {"-5", 0},              // no sign
        {" 5", 0},              // no white space
        {"12\n", 12},
        {"12,34", 12},
        {"4294967297", 1},      // wraps modulo 2^32
        {"00x5", 0},            // the prefix counts only at the very start
        {"0x0x5", 0},
        {"\xC3" "5", 0},        // a byte of 128 or above ends the number
        {"1\xFF" "2", 1},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(vantrel::ParseNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ConvertSignedDecimalTest, BlanksSignDigitsAndNothingElse) {
    const NumberCase cases[] = {
        {"  42abc", 42},
        {"-7", -7},
        {"+3", 3},
        {"abc", 0},
        {"\r\n", 0},
        {"", 0},
        {"\t\v\f\r\n 9", 9},
        {"--5", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"12abc", 12},
        {"5,x", 5},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MIN},  // wraps
        {"4294967297", 1},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(vantrel::ConvertSignedDecimal(c.text), c.expected) << '"' << c.text << '"';
    }
}

struct NextFieldCase {
    const char* text;
    std::int32_t expectedValue;
    int restOffset;            // where the returned position points, -1 for none
    const char* expectedRest;  // the text from there on, unchanged (further commas stay)
};

TEST(NextFieldTest, CutsAtTheFirstCommaAndReturnsWhatFollows) {
    const NextFieldCase cases[] = {
        {"12", 12, -1, nullptr},
        {"", 0, -1, nullptr},
        {"3\n", 3, -1, nullptr},
        {",5", 0, 1, "5"},
        {"0x1F,7,8", 31, 5, "7,8"},
        {"1a,", 20, 3, ""},
    };
    for (const NextFieldCase& c : cases) {
        SCOPED_TRACE(c.text);
        std::string buffer(c.text);
        std::int32_t value = 12345;
        const char* rest = vantrel::NextField(buffer.data(), &value);
        EXPECT_EQ(value, c.expectedValue);
        if (c.restOffset < 0) {
            EXPECT_EQ(rest, nullptr);
            EXPECT_EQ(buffer, c.text);  // nothing cut
        } else {
            ASSERT_EQ(rest, buffer.data() + c.restOffset);
            EXPECT_EQ(buffer[c.restOffset - 1], '\0');  // the comma became the field's end
            EXPECT_STREQ(rest, c.expectedRest);
        }
    }
}

}  // namespace
