#include "bus_message.h"

#include <algorithm>
#include <array>
#include <utility>

#include "value_text.h"

namespace bridge_sim {

namespace {

constexpr std::array<std::pair<int, const char*>, 27> kCoreNames{{
    {0x01, "REPORT_PRESENT"},        {0x02, "ASSIGN_LOGICAL_ADDRESS"},
    {0x04, "RESET_DEVICE"},          {0x08, "CHANGE_LOGICAL_ADDRESS"},
    {0x0F, "REPORT_ABSENT"},         {0x10, "CONNECT_SOURCE"},
    {0x11, "CONNECT_SINK"},          {0x14, "DISCONNECT_PORT"},
    {0x20, "REQUEST_INFORMATION"},   {0x24, "REPLY_INFORMATION"},
    {0x28, "CLEAR_INFORMATION"},     {0x29, "REPORT_INFORMATION"},
    {0x40, "BEGIN_RECONFIGURATION"}, {0x44, "NEXT_ACTIVE_FRAMER"},
    {0x45, "NEXT_SUBFRAME_MODE"},    {0x46, "NEXT_CLOCK_GEAR"},
    {0x47, "NEXT_ROOT_FREQUENCY"},   {0x4A, "NEXT_PAUSE_CLOCK"},
    {0x50, "NEXT_DEFINE_CHANNEL"},   {0x54, "NEXT_ACTIVATE_CHANNEL"},
    {0x55, "NEXT_DEACTIVATE_CHANNEL"}, {0x5F, "RECONFIGURE_NOW"},
    {0x60, "REQUEST_VALUE"},         {0x61, "REQUEST_CHANGE_VALUE"},
    {0x64, "REPLY_VALUE"},           {0x68, "CHANGE_VALUE"},
    {0x58, "NEXT_REMOVE_CHANNEL"},
}};

std::optional<int> CoreCodeByName(const std::string& name) {
    for (const auto& [code, text] : kCoreNames) {
        if (name == text) return code;
    }
    return std::nullopt;
}

bool ParseRanged(const std::string& text, std::int64_t low, std::int64_t high, int& out) {
    const auto value = ParseInteger(text);
    if (!value || *value < low || *value > high) return false;
    out = static_cast<int>(*value);
    return true;
}

}  // namespace

bool BusMessage::operator==(const BusMessage& other) const {
    return type == other.type && code == other.code && source == other.source &&
           destination == other.destination && payload == other.payload;
}

std::vector<std::uint8_t> JoinPayload(std::initializer_list<std::uint8_t> head,
                                      const std::vector<std::uint8_t>& tail) {
    std::vector<std::uint8_t> payload(head.size() + tail.size());
    std::copy(head.begin(), head.end(), payload.begin());
    std::copy(tail.begin(), tail.end(), payload.begin() + static_cast<long>(head.size()));
    return payload;
}

std::optional<std::string> CoreMessageName(int code) {
    for (const auto& [known, text] : kCoreNames) {
        if (known == code) return std::string(text);
    }
    return std::nullopt;
}

std::string FormatMessage(const BusMessage& message, bool literals) {
    std::string code = HexText(message.code, 2);
    if (literals && message.type == message_type::kCore) {
        if (const auto name = CoreMessageName(message.code)) code = *name;
    }
    std::string text = std::to_string(message.type) + ',' + code + ',' +
                       std::to_string(message.source) + ',' +
                       (message.destination ? std::to_string(*message.destination) : "");
    if (!message.payload.empty()) text += ',' + FormatByteList(message.payload);
    return text;
}

bool ParseAddress(const std::string& text, std::optional<int>& address) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        address.reset();
        return true;
    }
    int value = 0;
    if (!ParseRanged(trimmed, 0, 0xFF, value)) return false;
    address = value;
    return true;
}

bool ParseMessage(const std::vector<std::string>& fields, BusMessage& message, std::string& error) {
    if (fields.size() < 4) {
        error = "a message needs type, code, source and destination";
        return false;
    }
    BusMessage parsed;
    if (!ParseRanged(fields[0], 0, 7, parsed.type)) {
        error = "message type \"" + Trim(fields[0]) + "\" is not 0 to 7";
        return false;
    }
    const std::string codeText = Trim(fields[1]);
    if (const auto byName = CoreCodeByName(codeText)) {
        parsed.code = *byName;
    } else if (!ParseRanged(codeText, 0, 0x7F, parsed.code)) {
        error = "message code \"" + codeText + "\" is not 0 to 0x7F or a core message name";
        return false;
    }
    std::optional<int> source;
    if (!ParseAddress(fields[2], source) || !source) {
        error = "source address \"" + Trim(fields[2]) + "\" is not 0 to 255";
        return false;
    }
    parsed.source = *source;
    if (!ParseAddress(fields[3], parsed.destination)) {
        error = "destination address \"" + Trim(fields[3]) + "\" is not 0 to 255 or empty";
        return false;
    }
    std::vector<std::string> payloadFields(fields.begin() + 4, fields.end());
    // "a,b,c,d," or a payload text left empty: no payload bytes at all.
    if (payloadFields.size() == 1 && Trim(payloadFields[0]).empty()) payloadFields.clear();
    if (!ParseByteList(payloadFields, parsed.payload, error)) {
        error = "payload " + error;
        return false;
    }
    if (parsed.payload.size() > kMaxPayloadBytes) {
        error = "payload has " + std::to_string(parsed.payload.size()) +
                " bytes; a message carries at most 28";
        return false;
    }
    message = std::move(parsed);
    return true;
}

}  // namespace bridge_sim
