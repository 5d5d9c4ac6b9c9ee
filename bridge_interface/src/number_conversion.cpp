#include "number_conversion.h"

namespace vantrel {

namespace {

bool IsConversionSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Accumulating in unsigned arithmetic gives the wrap modulo 2^32 without undefined behaviour.
std::int32_t AsSigned(std::uint32_t value) { return static_cast<std::int32_t>(value); }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::int32_t ConvertSignedDecimal(const char* text) {
    while (IsConversionSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    std::uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10u + static_cast<std::uint32_t>(*text - '0');
    }
    return AsSigned(negative ? 0u - value : value);
}

std::int32_t ParseNumber(const char* text) {
    std::uint32_t base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    std::uint32_t value = 0;
    for (int digit = HexDigitValue(*text); digit >= 0; digit = HexDigitValue(*++text)) {
        value = value * base + static_cast<std::uint32_t>(digit);
    }
    return AsSigned(value);
}

}  // namespace vantrel
