// bridge-sim: a bridge service for the mailbox, with a simulated SLIMbus bridge behind it, so the
// library and the console can be used and tested without hardware.
#include <cstdio>
#include <string>
#include <vector>

#include "mailbox_paths.h"
#include "model/bridge.h"
#include "service/bridge_service.h"
#include "service/mailbox_watcher.h"
#include "service/stop_signal.h"
#include "sim_options.h"

namespace {

// The bridge model as the service sees it.
class BridgeHandler final : public bridge_sim::CommandHandler {
public:
    explicit BridgeHandler(int pollPeriodMs) : bridge_(pollPeriodMs) {}
    bridge_sim::Answer Handle(const std::string& commandLine) override { return bridge_.Execute(commandLine); }
    bool TakesLong(const std::string& commandLine) const override { return bridge_.TakesLong(commandLine); }
    int pollPeriodMs() const override { return bridge_.pollPeriodMs(); }

private:
    bridge_sim::Bridge bridge_;
};

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = bridge_sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "bridge-sim: %s\n%s", error.c_str(), bridge_sim::SimUsage());
        return 2;
    }
    if (options->help) {
        std::fputs(bridge_sim::SimUsage(), stdout);
        return 0;
    }
    // Line-buffered even into a pipe, so "ready" and the log reach a reader at once.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    // Blocked before anything else, so a stop signal is never lost between start and the loop.
    bridge_sim::StopSignal stop;
    if (!stop.valid()) {
        std::fprintf(stderr, "bridge-sim: cannot receive stop signals\n");
        return 1;
    }

    bridge_sim::MailboxFiles files(vantrel::CurrentMailboxPaths());
    files.CreateDirectory();
    const vantrel::MailboxPaths& paths = files.paths();

    std::unique_ptr<bridge_sim::MailboxWatcher> watcher;
    const std::string commandFileName = paths.commandFile.substr(paths.commandFile.find_last_of('/') + 1);
    if (!options->polling) watcher = bridge_sim::MakeInotifyWatcher(paths.directory, commandFileName, stop.fd());
    if (!watcher) {
        if (!options->polling) {
            std::fprintf(stderr, "bridge-sim: cannot watch %s; polling instead\n", paths.directory.c_str());
        }
        watcher = bridge_sim::MakePollingWatcher(stop.fd(), options->pollPeriodMs);
    }

    BridgeHandler bridge(options->pollPeriodMs);
    bridge_sim::BridgeService service(files, *watcher, bridge, options->faults, options->verbose ? stdout : nullptr);
    std::printf("ready: serving %s (%s)\n", paths.directory.c_str(), watcher->kind());
    service.Run();
    if (options->verbose) std::printf("stopped\n");
    return 0;
}
