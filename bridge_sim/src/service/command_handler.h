// What the service needs of a bridge: an answer to each command line, whether a command takes
// long enough to raise the busy marker, and the poll period to look for commands at.
#pragma once

#include <string>

#include "answer.h"

namespace bridge_sim {

class CommandHandler {
public:
    virtual ~CommandHandler() = default;
    virtual Answer Handle(const std::string& commandLine) = 0;
    virtual bool TakesLong(const std::string& commandLine) const = 0;
    virtual int pollPeriodMs() const = 0;
};

}  // namespace bridge_sim
