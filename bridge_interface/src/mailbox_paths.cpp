#include "mailbox_paths.h"

#include "host.h"

namespace vantrel {

MailboxPaths CurrentMailboxPaths() {
    const char separator = host::PathSeparator();
    MailboxPaths paths;
    paths.qbxDirectory = host::DriveCRoot() + separator + "qbx";
    paths.directory = paths.qbxDirectory + separator + "tmp";
    const std::string prefix = paths.directory + separator;
    paths.commandFile = prefix + "__bridge_cmd.txt";
    paths.statusFile = prefix + "__bridge_status.txt";
    paths.replyFile = prefix + "__bridge_reply.txt";
    paths.busyMarker = prefix + "__bridge_busy.txt";
    return paths;
}

}  // namespace vantrel
