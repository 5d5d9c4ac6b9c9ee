// The register file that ExportRegister writes and ImportRegister reads:
//
//   # comment lines and empty lines are ignored
//   device 16
//   0x000 = 0,0,17,...     (an address, then decimal byte values separated by commas)
//
// Export writes every device: a "device N" line, then its whole value map in rows of 48 bytes
// (48 is a multiple of every slice size, so any slice size imports an exported file). Entries
// before the first "device" line belong to whichever device the import names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "slimbus_bus.h"

namespace bridge_sim {

struct RegisterEntry {
    int address;
    std::vector<std::uint8_t> bytes;
};

struct RegisterSection {
    std::optional<int> device;  // none: the entries before any "device" line
    std::vector<RegisterEntry> entries;
};

std::string FormatRegisterFile(const std::vector<Device>& devices);

// Checks every entry (address, byte values, the map's end); error names the line.
bool ParseRegisterFile(const std::string& text, std::vector<RegisterSection>& sections,
                       std::string& error);

}  // namespace bridge_sim
