#include "sim_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace bridge_sim {

SimProcess::SimProcess(const std::string& program, const std::vector<std::string>& args, int readyTimeoutMs) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        error_ = "pipe failed";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);

    std::vector<std::string> argStorage{program};
    argStorage.insert(argStorage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStorage) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const int spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    output_ = pipeFds[0];
    if (spawned != 0) {
        pid_ = -1;
        error_ = "cannot start " + program + ": " + std::strerror(spawned);
        return;
    }

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(readyTimeoutMs);
    std::string seen;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd fd{output_, POLLIN, 0};
        if (left <= 0 || poll(&fd, 1, static_cast<int>(left)) <= 0) {
            error_ = "no \"ready\" line in time; output so far: " + seen;
            return;
        }
        char buffer[256];
        const ssize_t length = read(output_, buffer, sizeof buffer);
        if (length <= 0) {
            error_ = "the simulator ended before it was ready; output: " + seen;
            return;
        }
        seen.append(buffer, static_cast<std::size_t>(length));
        const std::size_t at = seen.find("ready");
        if (at != std::string::npos && (at == 0 || seen[at - 1] == '\n')) {
            ready_ = true;
            drainer_ = std::thread([fd = output_] {
                char discarded[4096];
                while (read(fd, discarded, sizeof discarded) > 0) {
                }
            });
            return;
        }
    }
}

int SimProcess::Stop(int signal) {
    if (pid_ < 0) return -1;
    kill(pid_, signal);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    if (drainer_.joinable()) drainer_.join();  // the pipe has closed with the child
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

SimProcess::~SimProcess() {
    Stop(SIGTERM);
    if (output_ >= 0) close(output_);
}

}  // namespace bridge_sim
