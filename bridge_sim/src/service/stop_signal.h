// SIGINT and SIGTERM turned into a readable descriptor, so the service's wait loop wakes on them
// like on any other event and ends between commands, with no work done in a signal handler.
#pragma once

namespace bridge_sim {

class StopSignal {
public:
    // Blocks SIGINT and SIGTERM for the process and opens the descriptor that reports them.
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    bool valid() const { return fd_ >= 0; }
    // Readable once a stop signal has arrived.
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

}  // namespace bridge_sim
