#include "text_conversion.h"

#include <cstdint>

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

int ToSignedDecimal(const char* text) {
    if (text == nullptr) return 0;
    while (IsWhiteSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    std::uint32_t value = 0;  // unsigned arithmetic wraps without undefined behaviour
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10u + static_cast<std::uint32_t>(*text - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

std::string SixCharacterAddress(const std::string& text) {
    constexpr std::size_t kWidth = 6;
    if (text.size() >= kWidth) return text.substr(0, kWidth);
    return std::string(kWidth - text.size(), ' ') + text;
}
