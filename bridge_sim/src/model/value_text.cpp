#include "value_text.h"

#include <cstdio>

namespace bridge_sim {

std::string Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> SplitFields(std::string_view text, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string JoinFields(const std::vector<std::string>& fields, std::size_t first) {
    std::string joined;
    for (std::size_t i = first; i < fields.size(); ++i) {
        if (i > first) joined += ',';
        joined += fields[i];
    }
    return joined;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view rest = trimmed;
    bool negative = false;
    if (!rest.empty() && rest.front() == '-') {
        negative = true;
        rest.remove_prefix(1);
    }
    int base = 10;
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.remove_prefix(2);
    }
    if (rest.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : rest) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return value;
}

bool ParseByteList(const std::vector<std::string>& fields, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    bytes.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = ParseInteger(fields[i]);
        if (!value || *value < 0 || *value > 255) {
            error = "byte " + std::to_string(i + 1) + " \"" + Trim(fields[i]) +
                    "\" is not a value from 0 to 255";
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(*value));
    }
    return true;
}

std::string FormatByteList(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(bytes[i]);
    }
    return text;
}

std::string HexText(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

}  // namespace bridge_sim
