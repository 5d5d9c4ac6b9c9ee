// One SLIMbus message as the bridge plays and records it, and its one-line text form, shared by
// script files, live-view exports and PlayMessage's reply:
//   type,code,source,destination[,payload byte,...]
// Numbers are decimal or 0x hexadecimal; a core message code may also be written as its name
// (CHANGE_VALUE); an empty destination means broadcast.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace bridge_sim {

namespace message_type {
constexpr int kCore = 0;
}

namespace core_code {
constexpr int kReportPresent = 0x01;
constexpr int kResetDevice = 0x04;
constexpr int kChangeLogicalAddress = 0x08;
constexpr int kConnectSource = 0x10;
constexpr int kConnectSink = 0x11;
constexpr int kDisconnectPort = 0x14;
constexpr int kRequestInformation = 0x20;
constexpr int kReplyInformation = 0x24;
constexpr int kBeginReconfiguration = 0x40;
constexpr int kNextClockGear = 0x46;
constexpr int kNextRootFrequency = 0x47;
constexpr int kNextPauseClock = 0x4A;
constexpr int kNextDefineChannel = 0x50;
constexpr int kReconfigureNow = 0x5F;
constexpr int kRequestValue = 0x60;
constexpr int kRequestChangeValue = 0x61;
constexpr int kReplyValue = 0x64;
constexpr int kChangeValue = 0x68;
}  // namespace core_code

constexpr int kManagerAddress = 0xFF;
constexpr std::size_t kMaxPayloadBytes = 28;

struct BusMessage {
    int type = message_type::kCore;
    int code = 0;
    int source = kManagerAddress;
    std::optional<int> destination;  // none: broadcast
    std::vector<std::uint8_t> payload;

    bool operator==(const BusMessage& other) const;
};

// head followed by tail: a transaction ID or element code, then value bytes.
std::vector<std::uint8_t> JoinPayload(std::initializer_list<std::uint8_t> head,
                                      const std::vector<std::uint8_t>& tail);

// The name of a core message code ("CHANGE_VALUE"), or nothing for codes without one.
std::optional<std::string> CoreMessageName(int code);

// The text form. With literals, core codes are written by name, otherwise as 0x hexadecimal.
std::string FormatMessage(const BusMessage& message, bool literals);

// Reads the text form from its comma fields: type, code, source, destination, payload bytes.
// Checks ranges (type 0..7, code 0..127, addresses 0..255, at most 28 payload bytes).
bool ParseMessage(const std::vector<std::string>& fields, BusMessage& message, std::string& error);

// An address field: blanks allowed around it (the console sends 6-character fields), decimal or
// 0x hexadecimal, 0..255; all blanks: broadcast. False when it is not an address.
bool ParseAddress(const std::string& text, std::optional<int>& address);

}  // namespace bridge_sim
