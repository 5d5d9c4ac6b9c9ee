// The fallback: look at the mailbox once per bridge poll period, sleeping in poll() on the stop
// descriptor so that a stop signal still ends the wait at once.
#include <poll.h>

#include <algorithm>

#include "mailbox_watcher.h"

namespace bridge_sim {

namespace {

class PollingWatcher final : public MailboxWatcher {
public:
    PollingWatcher(int stopFd, int periodMs) : stopFd_(stopFd), periodMs_(periodMs) {}

    WakeReason Wait(int timeoutMs) override {
        const bool timeoutFirst = timeoutMs >= 0 && timeoutMs < periodMs_;
        pollfd stop{stopFd_, POLLIN, 0};
        if (poll(&stop, 1, timeoutFirst ? timeoutMs : periodMs_) > 0) return WakeReason::Stop;
        return timeoutFirst ? WakeReason::Timeout : WakeReason::MailboxChanged;
    }

    void SetPollPeriod(int ms) override { periodMs_ = std::max(ms, 1); }
    const char* kind() const override { return "polling"; }

private:
    int stopFd_;
    int periodMs_;
};

}  // namespace

std::unique_ptr<MailboxWatcher> MakePollingWatcher(int stopFd, int pollPeriodMs) {
    return std::make_unique<PollingWatcher>(stopFd, std::max(pollPeriodMs, 1));
}

}  // namespace bridge_sim
