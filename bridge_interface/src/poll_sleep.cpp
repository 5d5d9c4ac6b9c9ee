#include "poll_sleep.h"

#include <utility>

#include "host.h"

namespace vantrel {

namespace {
// The test hook; empty in every production run.
std::function<void(int)>& SleepHook() {
    static std::function<void(int)> hook;
    return hook;
}
}  // namespace

void PollSleep(int ms) {
    if (SleepHook()) {
        SleepHook()(ms);
    } else {
        host::SleepMilliseconds(ms);
    }
}

void SetPollSleepHookForTests(std::function<void(int ms)> hook) { SleepHook() = std::move(hook); }

}  // namespace vantrel
