// How the service learns that a command may have arrived. On Linux the kernel tells it at once
// (inotify); elsewhere, or when asked, it looks again every bridge poll period. Both also wake
// on the stop signal.
#pragma once

#include <memory>
#include <string>

namespace bridge_sim {

enum class WakeReason {
    Stop,            // SIGINT or SIGTERM arrived
    MailboxChanged,  // the command file was written, or it is time to look again
    Timeout,         // the requested timeout ran out
};

class MailboxWatcher {
public:
    virtual ~MailboxWatcher() = default;

    // Blocks until one of the reasons; timeoutMs < 0 waits without limit.
    virtual WakeReason Wait(int timeoutMs) = 0;

    // The bridge poll period ("SetPollTiming"); only a polling watcher uses it.
    virtual void SetPollPeriod(int /*ms*/) {}

    // A short name for the start-up line.
    virtual const char* kind() const = 0;
};

// Null when inotify is unavailable (not Linux, or the kernel refuses), so the caller falls back.
std::unique_ptr<MailboxWatcher> MakeInotifyWatcher(const std::string& directory,
                                                   const std::string& commandFileName, int stopFd);

std::unique_ptr<MailboxWatcher> MakePollingWatcher(int stopFd, int pollPeriodMs);

}  // namespace bridge_sim
