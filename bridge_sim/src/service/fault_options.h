// Faults the service can be told to show, so that tests can see how the library copes with a
// late, busy, silent or confused bridge service. Each applies to every command, or only to the
// commands with one keyword (--fault-keyword), so that the transactions around a faulty one
// show what the fault left behind.
#pragma once

#include <optional>
#include <string>

namespace bridge_sim {

struct FaultOptions {
    std::optional<int> answerLateMs;  // answer after this long, with no busy marker
    std::optional<int> busyForMs;     // raise the busy marker, answer after this long, lower it
    std::optional<int> leaveBusyMs;   // keep the busy marker this long after the status is written
    std::optional<int> forcedStatus;  // write this status number instead of the bridge's
    bool neverAnswer = false;         // read the command and do nothing
    bool malformedReply = false;      // cut the reply before its first comma
    std::string keyword;              // empty: every command

    bool AppliesTo(const std::string& commandLine) const;
    bool any() const {
        return answerLateMs || busyForMs || leaveBusyMs || forcedStatus || neverAnswer || malformedReply;
    }
};

}  // namespace bridge_sim
