// The two conversions of text to a signed 32-bit integer. Neither reports errors; both wrap
// modulo 2^32.
#pragma once

#include <cstdint>

namespace vantrel {

// White space, one optional sign, decimal digits up to the first other character; 0 without
// digits. Used for the status line, the numeric replies and the decimal reply fields.
std::int32_t ConvertSignedDecimal(const char* text);

// Decimal, or hexadecimal after a leading 0x / 0X; no sign, no white space. The letters a-f and
// A-F count as digits worth 10 to 15 in either base (so "1a" is 20 in decimal).
std::int32_t ParseNumber(const char* text);

}  // namespace vantrel
