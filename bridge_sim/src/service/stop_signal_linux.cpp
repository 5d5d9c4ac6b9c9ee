// signalfd: the signals stay blocked and are read from a descriptor, so no handler and no global
// state is needed.
#include "stop_signal.h"

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace bridge_sim {

StopSignal::StopSignal() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) return;
    fd_ = signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
}

StopSignal::~StopSignal() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace bridge_sim
