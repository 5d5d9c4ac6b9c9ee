// Strict reading of the numbers and byte lists that commands and bridge files carry. Unlike the
// library's conversions these say when a text is not a number, so the bridge can tell the user
// what was wrong instead of acting on a silent 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bridge_sim {

std::string Trim(std::string_view text);

// Splits at every separator; "a,,b" gives three fields, "" gives one empty field.
std::vector<std::string> SplitFields(std::string_view text, char separator = ',');

// Joins fields[first..] with commas (the inverse of SplitFields for a tail of fields).
std::string JoinFields(const std::vector<std::string>& fields, std::size_t first);

// Blanks around it allowed; an optional minus sign; decimal, or hexadecimal after 0x / 0X.
// Empty text, other characters, or a value outside the 32-bit range give nothing.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// Fields each holding one byte value 0..255 (decimal or 0x hexadecimal). On failure, error
// says which field was wrong.
bool ParseByteList(const std::vector<std::string>& fields, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// "1,2,255": decimal byte values separated by commas, the convention of data and payload texts.
std::string FormatByteList(const std::vector<std::uint8_t>& bytes);

std::string HexText(int value, int digits);  // "0x1F" style, upper-case digits

}  // namespace bridge_sim
