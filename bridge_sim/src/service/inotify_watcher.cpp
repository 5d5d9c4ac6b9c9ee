// Linux: the kernel reports each write to the mailbox directory, so a command is noticed the
// moment the library closes the command file, and an idle service sleeps without waking.
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "mailbox_watcher.h"

namespace bridge_sim {

namespace {

// How often to try to watch again after the mailbox directory was removed under us.
constexpr int kRewatchPeriodMs = 200;

// A command counts once its writer has closed it (or renamed it into place), so it is never read
// half-written; IN_MODIFY would only add wake-ups.
constexpr std::uint32_t kEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

class InotifyWatcher final : public MailboxWatcher {
public:
    InotifyWatcher(int inotifyFd, std::string directory, std::string commandFileName, int stopFd)
        : inotifyFd_(inotifyFd),
          directory_(std::move(directory)),
          commandFileName_(std::move(commandFileName)),
          stopFd_(stopFd) {}

    ~InotifyWatcher() override { close(inotifyFd_); }

    bool Watch() {
        watch_ = inotify_add_watch(inotifyFd_, directory_.c_str(), kEvents);
        return watch_ >= 0;
    }

    WakeReason Wait(int timeoutMs) override {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            if (watch_ < 0 && Watch()) return WakeReason::MailboxChanged;
            int wait = timeoutMs;
            if (timeoutMs >= 0) {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
                wait = static_cast<int>(std::max<long long>(left.count(), 0));
            }
            if (watch_ < 0 && (wait < 0 || wait > kRewatchPeriodMs)) wait = kRewatchPeriodMs;

            pollfd fds[2] = {{stopFd_, POLLIN, 0}, {inotifyFd_, POLLIN, 0}};
            const int ready = poll(fds, 2, wait);
            if (ready > 0 && (fds[0].revents & POLLIN)) return WakeReason::Stop;
            if (ready > 0 && (fds[1].revents & POLLIN)) {
                if (DrainEvents()) return WakeReason::MailboxChanged;
                continue;
            }
            if (timeoutMs >= 0 && Clock::now() >= deadline) return WakeReason::Timeout;
        }
    }

    const char* kind() const override { return "inotify"; }

private:
    // Reads every pending event; true when one concerns the command file, or the directory went
    // (then the watch is gone and is set up again when the directory is back).
    bool DrainEvents() {
        alignas(inotify_event) char buffer[4096];
        bool relevant = false;
        for (;;) {
            const ssize_t length = read(inotifyFd_, buffer, sizeof buffer);
            if (length <= 0) return relevant;
            for (ssize_t at = 0; at < length;) {
                inotify_event event;
                std::memcpy(&event, buffer + at, sizeof event);
                const char* name = buffer + at + sizeof(inotify_event);
                if (event.mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
                    if (event.mask & IN_IGNORED) watch_ = -1;
                    relevant = true;
                } else if (event.len > 0 && commandFileName_ == name) {
                    relevant = true;
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
            }
        }
    }

    int inotifyFd_;
    std::string directory_;
    std::string commandFileName_;
    int stopFd_;
    int watch_ = -1;
};

}  // namespace

std::unique_ptr<MailboxWatcher> MakeInotifyWatcher(const std::string& directory,
                                                   const std::string& commandFileName, int stopFd) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0) return nullptr;
    auto watcher = std::make_unique<InotifyWatcher>(fd, directory, commandFileName, stopFd);
    if (!watcher->Watch()) return nullptr;
    return watcher;
}

}  // namespace bridge_sim
