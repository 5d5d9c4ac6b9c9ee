// The protocol side of the bridge: waits for a command in the mailbox, hands it to the bridge,
// publishes reply and status, and keeps the busy marker honest (raised only while a command is
// being worked on, never left behind when the service ends). Faults, when asked for, are shown
// here, between the mailbox and the bridge.
#pragma once

#include <chrono>
#include <cstdio>
#include <optional>

#include "command_handler.h"
#include "fault_options.h"
#include "mailbox_files.h"
#include "mailbox_watcher.h"

namespace bridge_sim {

class BridgeService {
public:
    BridgeService(MailboxFiles files, MailboxWatcher& watcher, CommandHandler& handler,
                  FaultOptions faults, std::FILE* log);

    // Serves until the watcher reports a stop signal.
    void Run();

private:
    using Clock = std::chrono::steady_clock;

    struct DelayedAnswer {
        Answer answer;
        CommandIdentity command;
        Clock::time_point due;
        bool faulty;
    };

    void LookForCommand();
    void Serve(const PostedCommand& command);
    void Publish(Answer answer, bool faulty);
    void RaiseMarker();
    void LowerMarker();
    int NextTimeoutMs() const;

    MailboxFiles files_;
    MailboxWatcher& watcher_;
    CommandHandler& handler_;
    FaultOptions faults_;
    std::FILE* log_;  // null: quiet

    bool markerRaised_ = false;
    bool lookSoon_ = false;  // an empty command file was seen: look again after a poll period
    std::optional<DelayedAnswer> delayed_;
    std::optional<Clock::time_point> lowerMarkerAt_;
    std::optional<CommandIdentity> ignored_;  // the command --never-answer swallowed
};

}  // namespace bridge_sim
