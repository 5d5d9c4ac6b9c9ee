#include "sim_options.h"

#include "model/value_text.h"

namespace bridge_sim {

const char* SimUsage() {
    return "usage: bridge-sim [options]\n"
           "Serves the bridge mailbox <drive C>/qbx/tmp, drive C being $WINEPREFIX/drive_c\n"
           "(or $HOME/.wine/drive_c), and prints \"ready\" once it watches it.\n"
           "  --poll                 look for commands every bridge poll period (no inotify)\n"
           "  --poll-period MS       bridge poll period at start (default 200; SetPollTiming sets it)\n"
           "  --verbose              print every command and its answer\n"
           "Faults, for tests (each for every command, or only for --fault-keyword's):\n"
           "  --answer-late MS       answer MS milliseconds late, without a busy marker\n"
           "  --busy-for MS          raise the busy marker, answer after MS milliseconds, lower it\n"
           "  --leave-busy MS        keep the busy marker MS milliseconds after the status\n"
           "  --never-answer         read the command and leave it unanswered\n"
           "  --status N             write status number N instead of the bridge's\n"
           "  --malformed-reply      cut the reply before its first comma\n"
           "  --fault-keyword WORD   show the faults only for commands with this keyword\n"
           "  --help                 this text\n";
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name.erase(equals);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) return inlineValue;
            if (i + 1 < args.size()) return args[++i];
            error = name + " needs a value";
            return std::nullopt;
        };
        const auto number = [&](std::int64_t low, std::int64_t high) -> std::optional<int> {
            const auto text = value();
            if (!text) return std::nullopt;
            const auto parsed = ParseInteger(*text);
            if (!parsed || *parsed < low || *parsed > high) {
                error = name + " takes a number from " + std::to_string(low) + " to " + std::to_string(high) +
                        ", not \"" + *text + "\"";
                return std::nullopt;
            }
            return static_cast<int>(*parsed);
        };
        const auto flag = [&]() {
            if (inlineValue) error = name + " takes no value";
            return !inlineValue;
        };
        constexpr int kDay = 86400000;

        if (name == "--poll") {
            if (!flag()) return std::nullopt;
            options.polling = true;
        } else if (name == "--verbose" || name == "-v") {
            if (!flag()) return std::nullopt;
            options.verbose = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--never-answer") {
            if (!flag()) return std::nullopt;
            options.faults.neverAnswer = true;
        } else if (name == "--malformed-reply") {
            if (!flag()) return std::nullopt;
            options.faults.malformedReply = true;
        } else if (name == "--fault-keyword") {
            const auto text = value();
            if (!text) return std::nullopt;
            options.faults.keyword = *text;
        } else {
            std::optional<int>* target = nullptr;
            std::int64_t low = 0;
            std::int64_t high = kDay;
            if (name == "--answer-late") target = &options.faults.answerLateMs;
            if (name == "--busy-for") target = &options.faults.busyForMs;
            if (name == "--leave-busy") target = &options.faults.leaveBusyMs;
            if (name == "--status") {
                target = &options.faults.forcedStatus;
                low = INT32_MIN;
                high = INT32_MAX;
            }
            if (name == "--poll-period") {
                const auto period = number(1, 60000);
                if (!period) return std::nullopt;
                options.pollPeriodMs = *period;
                continue;
            }
            if (target == nullptr) {
                error = "unknown option \"" + args[i] + "\"";
                return std::nullopt;
            }
            *target = number(low, high);
            if (!*target) return std::nullopt;
        }
    }
    return options;
}

}  // namespace bridge_sim
