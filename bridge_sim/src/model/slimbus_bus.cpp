#include "slimbus_bus.h"

#include <algorithm>

#include "value_text.h"
#include "vantrel.h"

namespace bridge_sim {

namespace {

constexpr std::array<int, 8> kSliceSizes{1, 2, 3, 4, 6, 8, 12, 16};

// Information elements every device answers: DEVICE_CLASS_VERSION and DEVICE_CLASS.
constexpr int kDeviceClassVersionElement = 0x008;
constexpr int kDeviceClassElement = 0x009;

struct BootDevice {
    int logicalAddress;
    int deviceClass;
    const char* name;
};
constexpr std::array<BootDevice, 4> kBootDevices{{
    {0x01, 0xFE, "bridge framer"},
    {kBridgeInterfaceAddress, 0xFD, "bridge interface"},
    {0x10, 0x00, "codec"},
    {0x11, 0x00, "amplifier"},
}};

bool IsPresenceRate(int code) { return code >= 0 && code <= 23 && code != 8; }

Failure Invalid(std::string reason) { return {KOV_INVALID_VALUE, std::move(reason)}; }

// Element code: bits 15..4 byte address, bit 3 byte-based access, bits 2..0 the slice size
// code (byte-based) or the bit number (elemental).
struct ElementAccess {
    int address;
    bool byteBased;
    int size;  // bytes; 1 for an elemental access
    int bit;
};

ElementAccess DecodeElement(std::uint8_t low, std::uint8_t high) {
    const int code = low | (high << 8);
    ElementAccess access{code >> 4, (code & 0x8) != 0, 1, code & 0x7};
    if (access.byteBased) access.size = kSliceSizes[static_cast<std::size_t>(code & 0x7)];
    return access;
}

MaybeFailure CheckRange(int address, int size) {
    if (address < 0 || address >= kValueMapSize) {
        return Invalid("address " + HexText(address, 3) + " is outside 0x000 to 0xBFF");
    }
    if (address + size > kValueMapSize) {
        return Invalid("a slice of " + std::to_string(size) + " bytes at " + HexText(address, 3) +
                       " runs past 0xBFF");
    }
    return std::nullopt;
}

}  // namespace

bool IsSliceSize(int bytes) {
    return std::find(kSliceSizes.begin(), kSliceSizes.end(), bytes) != kSliceSizes.end();
}

SlimbusBus::SlimbusBus() { Reset(); }

void SlimbusBus::Reset() {
    devices_.clear();
    for (const BootDevice& boot : kBootDevices) {
        Device device{boot.logicalAddress, boot.deviceClass, boot.name,
                      std::vector<std::uint8_t>(kValueMapSize, 0),
                      std::vector<std::uint8_t>(kValueMapSize, 0)};
        device.information[kDeviceClassVersionElement] = 1;
        device.information[kDeviceClassElement] = static_cast<std::uint8_t>(boot.deviceClass);
        devices_.push_back(std::move(device));
    }
    clocking_ = Clocking{};
    ports_.ports.fill('-');
    ports_.presenceRates = {3, 3, 3, 3, 11, 11, 17, 18, 0, 0, 0, 0};
    pending_ = PendingReconfiguration{};
}

Device* SlimbusBus::FindDevice(int logicalAddress) {
    for (Device& device : devices_) {
        if (device.logicalAddress == logicalAddress) return &device;
    }
    return nullptr;
}

const Device* SlimbusBus::FindDevice(int logicalAddress) const {
    return const_cast<SlimbusBus*>(this)->FindDevice(logicalAddress);
}

MaybeFailure SlimbusBus::ClockFailure() const {
    if (!clockRunning_) {
        return Failure{KOV_ACTION_NOT_ALLOWED, "the bus has no clock: the framer is off"};
    }
    if (clocking_.paused) {
        return Failure{KOV_ACTION_NOT_ALLOWED, "the bus clock is paused (IP Reset resumes it)"};
    }
    return std::nullopt;
}

MaybeFailure SlimbusBus::ReadValue(int logicalAddress, int address, int size,
                                   std::vector<std::uint8_t>& bytes) const {
    if (auto failure = ClockFailure()) return failure;
    const Device* device = FindDevice(logicalAddress);
    if (device == nullptr) {
        return Failure{KOV_HARDWARE_NOT_CONNECTED,
                       "no device at logical address " + std::to_string(logicalAddress)};
    }
    if (!IsSliceSize(size)) {
        return Invalid("slice size " + std::to_string(size) +
                       " is not one of 1, 2, 3, 4, 6, 8, 12, 16 bytes");
    }
    if (auto failure = CheckRange(address, size)) return failure;
    bytes.assign(device->values.begin() + address, device->values.begin() + address + size);
    return std::nullopt;
}

MaybeFailure SlimbusBus::WriteValue(int logicalAddress, int address,
                                    const std::vector<std::uint8_t>& bytes) {
    if (auto failure = ClockFailure()) return failure;
    Device* device = FindDevice(logicalAddress);
    if (device == nullptr) {
        return Failure{KOV_HARDWARE_NOT_CONNECTED,
                       "no device at logical address " + std::to_string(logicalAddress)};
    }
    const int size = static_cast<int>(bytes.size());
    if (!IsSliceSize(size)) {
        return Invalid(std::to_string(size) +
                       " data bytes is not a slice size of 1, 2, 3, 4, 6, 8, 12 or 16 bytes");
    }
    if (auto failure = CheckRange(address, size)) return failure;
    std::copy(bytes.begin(), bytes.end(), device->values.begin() + address);
    return std::nullopt;
}

MaybeFailure SlimbusBus::DeviceAt(const BusMessage& message, Device*& device) {
    if (!message.destination) {
        return Invalid("this message needs a destination address, not a broadcast");
    }
    if (*message.destination == kManagerAddress) {
        return Invalid("the manager at logical address 255 has no value or information elements");
    }
    device = FindDevice(*message.destination);
    if (device == nullptr) {
        return Failure{KOV_HARDWARE_NOT_CONNECTED,
                       "no device at logical address " + std::to_string(*message.destination)};
    }
    return std::nullopt;
}

MaybeFailure SlimbusBus::Play(const BusMessage& message, std::optional<BusMessage>& response) {
    response.reset();
    if (auto failure = ClockFailure()) return failure;
    if (message.type != message_type::kCore) {
        // Class-specific and user messages: delivered to the device, which does not answer.
        if (!message.destination || *message.destination == kManagerAddress) return std::nullopt;
        Device* device = nullptr;
        return DeviceAt(message, device);
    }
    switch (message.code) {
        case core_code::kRequestValue:
        case core_code::kRequestChangeValue:
        case core_code::kChangeValue:
            return PlayValueMessage(message, response);
        case core_code::kRequestInformation:
            return PlayInformationRequest(message, response);
        case core_code::kConnectSource:
        case core_code::kConnectSink:
        case core_code::kDisconnectPort:
            return PlayPortMessage(message);
        case core_code::kBeginReconfiguration:
        case core_code::kNextClockGear:
        case core_code::kNextRootFrequency:
        case core_code::kNextPauseClock:
        case core_code::kNextDefineChannel:
        case core_code::kReconfigureNow:
            return PlayReconfiguration(message);
        case core_code::kChangeLogicalAddress:
            return PlayAddressChange(message);
        case core_code::kResetDevice: {
            if (!message.destination) {
                for (Device& device : devices_) std::fill(device.values.begin(), device.values.end(), 0);
                return std::nullopt;
            }
            Device* device = nullptr;
            if (auto failure = DeviceAt(message, device)) return failure;
            std::fill(device->values.begin(), device->values.end(), 0);
            return std::nullopt;
        }
        default:
            break;
    }
    if (!CoreMessageName(message.code)) {
        return Invalid("core message code " + HexText(message.code, 2) + " does not exist");
    }
    // The remaining core messages (replies to the manager among them) are accepted by any
    // device present; they change nothing here.
    if (!message.destination || *message.destination == kManagerAddress) return std::nullopt;
    Device* device = nullptr;
    return DeviceAt(message, device);
}

MaybeFailure SlimbusBus::PlayValueMessage(const BusMessage& message,
                                          std::optional<BusMessage>& response) {
    Device* device = nullptr;
    if (auto failure = DeviceAt(message, device)) return failure;
    const bool isRequest = message.code != core_code::kChangeValue;
    // REQUEST_* carry a transaction ID before the element code; CHANGE_VALUE does not.
    const std::size_t elementAt = isRequest ? 1 : 0;
    if (message.payload.size() < elementAt + 2) {
        return Invalid(std::string(isRequest ? "a transaction ID and " : "") +
                       "a two-byte element code are needed in the payload");
    }
    const ElementAccess access =
        DecodeElement(message.payload[elementAt], message.payload[elementAt + 1]);
    if (auto failure = CheckRange(access.address, access.size)) return failure;

    const std::size_t valueAt = elementAt + 2;
    const std::size_t valueBytes = message.payload.size() - valueAt;
    const bool carriesValue = message.code != core_code::kRequestValue;
    if (carriesValue && valueBytes != static_cast<std::size_t>(access.size)) {
        return Invalid("the element takes " + std::to_string(access.size) + " value byte(s), the payload has " +
                       std::to_string(valueBytes));
    }
    if (!carriesValue && valueBytes != 0) {
        return Invalid("REQUEST_VALUE carries no value bytes");
    }

    std::vector<std::uint8_t> current;
    if (access.byteBased) {
        current.assign(device->values.begin() + access.address,
                       device->values.begin() + access.address + access.size);
    } else {
        current.push_back(static_cast<std::uint8_t>((device->values[access.address] >> access.bit) & 1));
    }

    if (carriesValue) {
        if (access.byteBased) {
            std::copy(message.payload.begin() + valueAt, message.payload.end(),
                      device->values.begin() + access.address);
        } else {
            std::uint8_t& byte = device->values[access.address];
            const std::uint8_t mask = static_cast<std::uint8_t>(1u << access.bit);
            byte = (message.payload[valueAt] & 1) ? (byte | mask) : (byte & ~mask);
        }
    }
    if (isRequest) {
        // REPLY_VALUE: the transaction ID, then the value as it was before any change.
        response = BusMessage{message_type::kCore, core_code::kReplyValue, device->logicalAddress,
                              message.source, JoinPayload({message.payload[0]}, current)};
    }
    return std::nullopt;
}

MaybeFailure SlimbusBus::PlayInformationRequest(const BusMessage& message,
                                                std::optional<BusMessage>& response) {
    Device* device = nullptr;
    if (auto failure = DeviceAt(message, device)) return failure;
    if (message.payload.size() != 3) {
        return Invalid("REQUEST_INFORMATION carries a transaction ID and a two-byte element code");
    }
    const ElementAccess access = DecodeElement(message.payload[1], message.payload[2]);
    if (auto failure = CheckRange(access.address, access.size)) return failure;
    const std::vector<std::uint8_t> information(device->information.begin() + access.address,
                                                device->information.begin() + access.address + access.size);
    response = BusMessage{message_type::kCore, core_code::kReplyInformation, device->logicalAddress,
                          message.source, JoinPayload({message.payload[0]}, information)};
    return std::nullopt;
}

MaybeFailure SlimbusBus::PlayPortMessage(const BusMessage& message) {
    Device* device = nullptr;
    if (auto failure = DeviceAt(message, device)) return failure;
    const std::size_t needed = message.code == core_code::kDisconnectPort ? 1 : 2;
    if (message.payload.size() != needed) {
        return Invalid(message.code == core_code::kDisconnectPort
                           ? "DISCONNECT_PORT carries one byte: the port number"
                           : "CONNECT_SOURCE and CONNECT_SINK carry the port and the channel number");
    }
    const int port = message.payload[0];
    if (port > 63) return Invalid("port " + std::to_string(port) + " is not 0 to 63");
    if (device->logicalAddress != kBridgeInterfaceAddress) return std::nullopt;
    if (port >= kBridgePortCount) {
        return Invalid("the bridge has ports 0 to 7, not " + std::to_string(port));
    }
    char& state = ports_.ports[static_cast<std::size_t>(port)];
    switch (message.code) {
        case core_code::kConnectSource: state = 'O'; break;
        case core_code::kConnectSink: state = 'I'; break;
        default: state = '-'; break;
    }
    return std::nullopt;
}

MaybeFailure SlimbusBus::PlayReconfiguration(const BusMessage& message) {
    const auto needBytes = [&](std::size_t count, const char* what) -> MaybeFailure {
        if (message.payload.size() != count) return Invalid(std::string(what));
        return std::nullopt;
    };
    switch (message.code) {
        case core_code::kBeginReconfiguration:
            pending_ = PendingReconfiguration{};
            return std::nullopt;
        case core_code::kNextClockGear: {
            if (auto f = needBytes(1, "NEXT_CLOCK_GEAR carries one byte: the gear")) return f;
            const int gear = message.payload[0];
            if (gear < 1 || gear > 10) return Invalid("clock gear " + std::to_string(gear) + " is not 1 to 10");
            pending_.clockGear = gear;
            return std::nullopt;
        }
        case core_code::kNextRootFrequency: {
            if (auto f = needBytes(1, "NEXT_ROOT_FREQUENCY carries one byte: the frequency code")) return f;
            const int code = message.payload[0];
            if (code < 1 || code > 9) {
                return Invalid("root frequency code " + std::to_string(code) + " is not 1 to 9");
            }
            pending_.rootFrequency = code;
            return std::nullopt;
        }
        case core_code::kNextPauseClock:
            if (auto f = needBytes(1, "NEXT_PAUSE_CLOCK carries one byte: the restart time")) return f;
            pending_.pauseClock = true;
            return std::nullopt;
        case core_code::kNextDefineChannel: {
            if (message.payload.size() < 2) {
                return Invalid("NEXT_DEFINE_CHANNEL carries the channel number and the presence rate");
            }
            const int channel = message.payload[0];
            const int rate = message.payload[1];
            if (!IsPresenceRate(rate)) {
                return Invalid("presence rate code " + std::to_string(rate) + " is not defined");
            }
            if (channel < kPresenceRateCount) pending_.channelRates.emplace_back(channel, rate);
            return std::nullopt;
        }
        default:  // RECONFIGURE_NOW
            if (pending_.clockGear) clocking_.clockGear = *pending_.clockGear;
            if (pending_.rootFrequency) clocking_.rootFrequency = *pending_.rootFrequency;
            if (pending_.pauseClock) clocking_.paused = true;
            for (const auto& [channel, rate] : pending_.channelRates) {
                ports_.presenceRates[static_cast<std::size_t>(channel)] = rate;
            }
            pending_ = PendingReconfiguration{};
            return std::nullopt;
    }
}

MaybeFailure SlimbusBus::PlayAddressChange(const BusMessage& message) {
    Device* device = nullptr;
    if (auto failure = DeviceAt(message, device)) return failure;
    if (message.payload.size() != 1) {
        return Invalid("CHANGE_LOGICAL_ADDRESS carries one byte: the new address");
    }
    const int address = message.payload[0];
    if (address == kManagerAddress) return Invalid("logical address 255 belongs to the manager");
    if (address != device->logicalAddress && FindDevice(address) != nullptr) {
        return Invalid("logical address " + std::to_string(address) + " is already taken");
    }
    device->logicalAddress = address;
    return std::nullopt;
}

}  // namespace bridge_sim
