// The simulated SLIMbus: a few devices at logical addresses, each with a byte-addressed value map
// and an information map of 0xC00 bytes, the bus clocking (gear and root frequency, changed by a
// reconfiguration sequence), the bridge's eight data ports and its channel presence rates.
// Messages are applied here; recording them is the bridge's business.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bus_message.h"

namespace bridge_sim {

constexpr int kValueMapSize = 0xC00;
constexpr int kBridgeInterfaceAddress = 0x02;  // the device that owns the bridge's data ports
constexpr int kBridgePortCount = 8;
constexpr int kPresenceRateCount = 12;

// Why a bus operation was refused: a negative status number and a sentence for the reply.
struct Failure {
    int status;
    std::string reason;
};
using MaybeFailure = std::optional<Failure>;

// Byte-based slices: 1, 2, 3, 4, 6, 8, 12 or 16 bytes.
bool IsSliceSize(int bytes);

struct Device {
    int logicalAddress;
    int deviceClass;  // 0xFE framer, 0xFD interface, 0x00 generic
    std::string name;
    std::vector<std::uint8_t> values;
    std::vector<std::uint8_t> information;
};

struct Clocking {
    int clockGear = 10;     // 1..10
    int rootFrequency = 1;  // code 1..9, 1 = 24.576 MHz
    bool paused = false;
};

struct PortConfiguration {
    std::array<char, kBridgePortCount> ports;  // 'I' sink, 'O' source, '-' disconnected
    std::array<int, kPresenceRateCount> presenceRates;  // per data channel 0..11
};

class SlimbusBus {
public:
    SlimbusBus();

    // Back to the boot state: devices at their boot addresses with cleared maps, boot clocking,
    // disconnected ports.
    void Reset();

    const std::vector<Device>& devices() const { return devices_; }
    const Clocking& clocking() const { return clocking_; }
    bool clockRunning() const { return clockRunning_; }
    const PortConfiguration& portConfiguration() const { return ports_; }

    // The framer drives the clock; without it no message reaches the bus.
    void SetClockRunning(bool running) { clockRunning_ = running; }
    void ResumeClock() { clocking_.paused = false; }

    // Byte-based value access as the bridge's manager performs it for ReadRegister and the like.
    MaybeFailure ReadValue(int logicalAddress, int address, int size,
                           std::vector<std::uint8_t>& bytes) const;
    MaybeFailure WriteValue(int logicalAddress, int address, const std::vector<std::uint8_t>& bytes);

    // Applies one message. A request that the addressed device answers fills response.
    MaybeFailure Play(const BusMessage& message, std::optional<BusMessage>& response);

private:
    struct PendingReconfiguration {
        std::optional<int> clockGear;
        std::optional<int> rootFrequency;
        bool pauseClock = false;
        std::vector<std::pair<int, int>> channelRates;  // channel, presence rate
    };

    MaybeFailure ClockFailure() const;
    Device* FindDevice(int logicalAddress);
    const Device* FindDevice(int logicalAddress) const;
    MaybeFailure DeviceAt(const BusMessage& message, Device*& device);
    MaybeFailure PlayValueMessage(const BusMessage& message, std::optional<BusMessage>& response);
    MaybeFailure PlayInformationRequest(const BusMessage& message, std::optional<BusMessage>& response);
    MaybeFailure PlayPortMessage(const BusMessage& message);
    MaybeFailure PlayReconfiguration(const BusMessage& message);
    MaybeFailure PlayAddressChange(const BusMessage& message);

    std::vector<Device> devices_;
    Clocking clocking_;
    PortConfiguration ports_{};
    PendingReconfiguration pending_;
    bool clockRunning_ = true;
};

}  // namespace bridge_sim
