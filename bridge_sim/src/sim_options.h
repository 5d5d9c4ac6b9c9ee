// The bridge-sim command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "service/fault_options.h"

namespace bridge_sim {

struct SimOptions {
    bool polling = false;    // --poll: no inotify
    int pollPeriodMs = 200;  // --poll-period
    bool verbose = false;
    bool help = false;
    FaultOptions faults;
};

// Parses argv[1..]; on a bad option returns nothing and sets error.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

const char* SimUsage();

}  // namespace bridge_sim
