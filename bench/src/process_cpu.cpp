#include "process_cpu.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace vantrel_bench {

std::optional<long long> ProcessCpuNs(pid_t pid) {
    const std::string base = "/proc/" + std::to_string(pid);
    if (std::ifstream schedstat(base + "/schedstat"); schedstat) {
        long long onCpuNs = 0;
        if (schedstat >> onCpuNs) return onCpuNs;
    }
    std::ifstream statFile(base + "/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), {});
    // The command name (field 2) may hold blanks; fields are counted from after its ')'.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long long utime = 0;
    long long stime = 0;
    // Field 3 is the first after ')'; utime and stime are fields 14 and 15.
    for (int index = 3; index <= 15 && (fields >> field); ++index) {
        if (index == 14) utime = std::stoll(field);
        if (index == 15) stime = std::stoll(field);
    }
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return (utime + stime) * (1000000000LL / ticksPerSecond);
}

}  // namespace vantrel_bench
