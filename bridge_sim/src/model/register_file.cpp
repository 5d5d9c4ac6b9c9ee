#include "register_file.h"

#include "value_text.h"

namespace bridge_sim {

namespace {
constexpr int kExportRowBytes = 48;
}

std::string FormatRegisterFile(const std::vector<Device>& devices) {
    std::string text = "# bridge-sim register file: device N, then address = byte values\n";
    for (const Device& device : devices) {
        text += "# " + device.name + "\n";
        text += "device " + std::to_string(device.logicalAddress) + "\n";
        for (int address = 0; address < kValueMapSize; address += kExportRowBytes) {
            const std::vector<std::uint8_t> row(device.values.begin() + address,
                                                device.values.begin() + address + kExportRowBytes);
            text += HexText(address, 3) + " = " + FormatByteList(row) + "\n";
        }
    }
    return text;
}

bool ParseRegisterFile(const std::string& text, std::vector<RegisterSection>& sections,
                       std::string& error) {
    sections.assign(1, RegisterSection{});
    const std::vector<std::string> lines = SplitFields(text, '\n');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        if (line.empty() || line.front() == '#') continue;
        if (line.rfind("device", 0) == 0) {
            const auto address = ParseInteger(line.substr(6));
            if (!address || *address < 0 || *address > 0xFE) {
                error = where + "\"device\" needs a logical address from 0 to 254";
                return false;
            }
            sections.push_back(RegisterSection{static_cast<int>(*address), {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            error = where + "expected \"address = byte values\" or \"device N\"";
            return false;
        }
        const auto address = ParseInteger(line.substr(0, equals));
        if (!address || *address < 0 || *address >= kValueMapSize) {
            error = where + "address \"" + Trim(line.substr(0, equals)) + "\" is not 0x000 to 0xBFF";
            return false;
        }
        RegisterEntry entry{static_cast<int>(*address), {}};
        if (!ParseByteList(SplitFields(line.substr(equals + 1)), entry.bytes, error)) {
            error = where + error;
            return false;
        }
        if (entry.address + static_cast<int>(entry.bytes.size()) > kValueMapSize) {
            error = where + "the bytes run past address 0xBFF";
            return false;
        }
        sections.back().entries.push_back(std::move(entry));
    }
    return true;
}

}  // namespace bridge_sim
