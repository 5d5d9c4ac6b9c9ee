#include "fault_options.h"

namespace bridge_sim {

bool FaultOptions::AppliesTo(const std::string& commandLine) const {
    if (!any()) return false;
    if (keyword.empty()) return true;
    return commandLine.compare(0, commandLine.find(','), keyword) == 0;
}

}  // namespace bridge_sim
