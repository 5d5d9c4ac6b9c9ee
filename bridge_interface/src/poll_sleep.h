// The one sleep between polls of the mailbox. Unit tests install a hook that counts sleeps and
// lets a scripted bridge service act between polls, so the waiting loops are tested exactly and
// without waiting on the clock.
#pragma once

#include <functional>

namespace vantrel {

void PollSleep(int ms);

// Internal, not exported: only tests built against the static library reach it.
void SetPollSleepHookForTests(std::function<void(int ms)> hook);

}  // namespace vantrel
