// vantrel-bench: how close library transactions come to the protocol's floor, and what the
// simulator spends on them.
//
// The library sleeps one poll period before it looks for the status and one more before it looks
// at the busy marker, so no transaction takes less than two poll periods. For each library poll
// period (2, 20 and 200 ms) the benchmark runs N transactions of one command export
// (KovSLIMbusClose) against a bridge-sim it starts on a private Wine prefix, and prints the median
// time per transaction, its ratio to that floor, and the simulator's CPU time per transaction;
// then the simulator's CPU over an idle second.
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "process_cpu.h"
#include "sim_process.h"
#include "vantrel.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string simulator;
    std::vector<std::string> simulatorOptions;
    int transactions = 500;  // at 2 ms; a fifth at 20 ms, a fiftieth (at least 5) at 200 ms
};

struct Target {
    int pollMs;
    double maxRatio;  // 0: no target
};
constexpr Target kPeriods[] = {{2, 1.10}, {20, 1.02}, {200, 0.0}};

const char* kUsage =
    "usage: vantrel-bench [--sim PATH] [--sim-option OPTION]... [--transactions N]\n"
    "  --sim PATH          the bridge-sim to start (default: the one built with this benchmark,\n"
    "                      else bridge-sim next to vantrel-bench)\n"
    "  --sim-option OPT    pass OPT to bridge-sim (e.g. --poll), repeatable\n"
    "  --transactions N    transactions at 2 ms (default 500; N/5 at 20 ms, N/50 at 200 ms)\n";

std::string DefaultSimulator() {
    if (access(BRIDGE_SIM_BUILD_PATH, X_OK) == 0) return BRIDGE_SIM_BUILD_PATH;
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return "bridge-sim";
    std::string path(self, static_cast<std::size_t>(length));
    return path.substr(0, path.find_last_of('/') + 1) + "bridge-sim";
}

bool ParseOptions(int argc, char** argv, Options& options) {
    options.simulator = DefaultSimulator();
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h" || i + 1 >= argc) return false;
        const std::string value = argv[++i];
        if (name == "--sim") {
            options.simulator = value;
        } else if (name == "--sim-option") {
            options.simulatorOptions.push_back(value);
        } else if (name == "--transactions") {
            char* end = nullptr;
            const long n = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || n < 1 || n > 1000000) return false;
            options.transactions = static_cast<int>(n);
        } else {
            return false;
        }
    }
    return true;
}

double MedianMs(const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

// The nearest-rank percentile: a transaction that missed a poll shows here, not in the median.
double PercentileMs(const std::vector<double>& sorted, double percent) {
    const auto rank = static_cast<std::size_t>(percent / 100.0 * static_cast<double>(sorted.size()) + 0.999999);
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

// The simulator's CPU in nanoseconds, or -1 when /proc does not tell.
long long CpuNs(pid_t pid) { return vantrel_bench::ProcessCpuNs(pid).value_or(-1); }

// Removes the private prefix however the benchmark ends.
struct TemporaryPrefix {
    std::string path;
    ~TemporaryPrefix() {
        if (!path.empty()) std::system(("rm -rf '" + path + "'").c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    TemporaryPrefix prefix;
    char pattern[] = "/tmp/vantrel-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("vantrel-bench: mkdtemp");
        return 1;
    }
    prefix.path = pattern;
    setenv("WINEPREFIX", prefix.path.c_str(), 1);

    bridge_sim::SimProcess simulator(options.simulator, options.simulatorOptions);
    if (!simulator.ready()) {
        std::fprintf(stderr, "vantrel-bench: %s\n", simulator.error().c_str());
        return 1;
    }
    std::string simulatorLine = options.simulator;
    for (const std::string& option : options.simulatorOptions) simulatorLine += " " + option;
    std::printf("bridge-sim: %s\n", simulatorLine.c_str());
    std::printf("command export: KovSLIMbusClose; library and bridge poll period set together\n\n");
    std::printf("%7s %12s %10s %8s %9s %7s %8s %14s\n", "poll", "transactions", "median ms", "p90 ms", "floor ms",
                "ratio", "target", "sim CPU/trans");

    bool allMet = true;
    for (const Target& target : kPeriods) {
        int count = options.transactions;
        if (target.pollMs == 20) count = std::max(options.transactions / 5, 5);
        if (target.pollMs == 200) count = std::max(options.transactions / 50, 5);

        if (KovSLIMbusBridgeSetPollTiming(target.pollMs, target.pollMs) < 0 || KovSLIMbusClose() < 0) {
            std::fprintf(stderr, "vantrel-bench: the simulator does not answer\n");
            return 1;
        }
        std::vector<double> samples;
        const long long cpuBefore = CpuNs(simulator.pid());
        for (int i = 0; i < count; ++i) {
            const auto begin = Clock::now();
            const int result = KovSLIMbusClose();
            samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            if (result < 0) {
                std::fprintf(stderr, "vantrel-bench: transaction %d failed with %d\n", i + 1, result);
                return 1;
            }
        }
        const long long cpuAfter = CpuNs(simulator.pid());

        std::sort(samples.begin(), samples.end());
        const double median = MedianMs(samples);
        const double floor = 2.0 * target.pollMs;
        const double ratio = median / floor;
        char targetText[16] = "-";
        if (target.maxRatio > 0) {
            std::snprintf(targetText, sizeof targetText, "<=%.2f", target.maxRatio);
            allMet = allMet && ratio <= target.maxRatio;
        }
        char cpuText[32] = "n/a";
        if (cpuBefore >= 0 && cpuAfter >= 0) {
            std::snprintf(cpuText, sizeof cpuText, "%.1f us", (cpuAfter - cpuBefore) / 1000.0 / count);
        }
        std::printf("%4d ms %12d %10.3f %8.3f %9.1f %7.3f %8s %14s\n", target.pollMs, count, median,
                    PercentileMs(samples, 90), floor, ratio, targetText, cpuText);
    }

    const long long idleBefore = CpuNs(simulator.pid());
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long long idleAfter = CpuNs(simulator.pid());
    if (idleBefore >= 0 && idleAfter >= 0) {
        std::printf("\nsimulator CPU over an idle second: %.1f us\n", (idleAfter - idleBefore) / 1000.0);
    }
    std::printf("targets (within 10%% of the floor at 2 ms, 2%% at 20 ms): %s\n", allMet ? "met" : "NOT met");
    simulator.Stop(SIGTERM);
    return 0;
}
