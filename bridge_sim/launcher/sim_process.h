// Runs bridge-sim as a child process for the end-to-end tests and the benchmark: starts it with
// the caller's environment (so WINEPREFIX names the mailbox for both sides), waits for its
// "ready" line rather than for a guessed time, and stops it with a signal.
#pragma once

#include <sys/types.h>

#include <string>
#include <thread>
#include <vector>

namespace bridge_sim {

class SimProcess {
public:
    // Starts program with args and waits up to readyTimeoutMs for the line that begins with
    // "ready". When that fails, ready() is false and error() says why.
    SimProcess(const std::string& program, const std::vector<std::string>& args, int readyTimeoutMs = 10000);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool ready() const { return ready_; }
    const std::string& error() const { return error_; }
    pid_t pid() const { return pid_; }

    // Sends the signal and waits for the process to end. Returns its exit code, or 128 plus the
    // signal that killed it; -1 when it was not running.
    int Stop(int signal);

private:
    pid_t pid_ = -1;
    int output_ = -1;  // read end of the child's standard output
    // After "ready", reads and drops the child's further output (--verbose), so a full pipe
    // never blocks it; ends when the child does.
    std::thread drainer_;
    bool ready_ = false;
    std::string error_;
};

}  // namespace bridge_sim
