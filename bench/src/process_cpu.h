// CPU time another process has used so far, from /proc.
#pragma once

#include <sys/types.h>

#include <optional>

namespace vantrel_bench {

// Nanoseconds of CPU (user and system) used by pid: from /proc/<pid>/schedstat, which counts in
// nanoseconds, or else from /proc/<pid>/stat's utime and stime, which count in clock ticks.
std::optional<long long> ProcessCpuNs(pid_t pid);

}  // namespace vantrel_bench
