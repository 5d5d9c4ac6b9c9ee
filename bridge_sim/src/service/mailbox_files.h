// The service's side of the four mailbox files: reading a posted command, publishing the reply
// and the status each complete at once, and the busy marker.
#pragma once

#include <optional>
#include <string>

#include "mailbox_paths.h"

namespace bridge_sim {

// Which file a posted command came in: the library removes and re-creates the command file for
// every transaction, so a new command has a new identity even when its text repeats.
struct CommandIdentity {
    unsigned long long inode = 0;
    long long modifiedNs = 0;
    bool operator==(const CommandIdentity& other) const {
        return inode == other.inode && modifiedNs == other.modifiedNs;
    }
};

struct PostedCommand {
    std::string line;
    CommandIdentity identity;
};

class MailboxFiles {
public:
    explicit MailboxFiles(vantrel::MailboxPaths paths) : paths_(std::move(paths)) {}

    const vantrel::MailboxPaths& paths() const { return paths_; }

    // Creates drive C, qbx and qbx/tmp as far as they are missing.
    void CreateDirectory() const;

    // A command waits when the command file has content and no status answers it yet (the
    // library removes the status file before it posts a command). An empty command file is
    // still being written: nothing is returned and emptyCommand is set, to look again soon.
    std::optional<PostedCommand> WaitingCommand(bool& emptyCommand) const;

    // The identity of the command file as it is now; none when it is gone.
    std::optional<CommandIdentity> CurrentCommand() const;

    // Writes a temporary file in the mailbox directory and renames it over the target, so the
    // library never opens a half-written reply or status.
    bool PublishReply(const std::string& reply) const;
    bool PublishStatus(int status) const;

    void RaiseBusyMarker() const;
    void LowerBusyMarker() const;

private:
    bool WriteAtomically(const std::string& path, const std::string& text) const;

    vantrel::MailboxPaths paths_;
};

}  // namespace bridge_sim
