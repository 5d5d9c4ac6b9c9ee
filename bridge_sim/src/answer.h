// What the bridge answers to one command: the status number for the status file and the reply
// line for the reply file. Shared by the bridge model (which forms it) and the mailbox service
// (which publishes it).
#pragma once

#include <string>

namespace bridge_sim {

struct Answer {
    int status = 0;
    std::string reply;
};

}  // namespace bridge_sim
