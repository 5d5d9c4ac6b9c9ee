// The mailbox directory and its four files. The names are fixed; only the place of drive C
// depends on the host (see host.h).
#pragma once

#include <string>

namespace vantrel {

struct MailboxPaths {
    std::string qbxDirectory;   // <drive C>/qbx
    std::string directory;      // <drive C>/qbx/tmp
    std::string commandFile;    // __bridge_cmd.txt
    std::string statusFile;     // __bridge_status.txt
    std::string replyFile;      // __bridge_reply.txt
    std::string busyMarker;     // __bridge_busy.txt
};

// Worked out afresh for every transaction, so a changed environment takes effect at once.
MailboxPaths CurrentMailboxPaths();

}  // namespace vantrel
