#include "bridge_service.h"

#include <algorithm>

namespace bridge_sim {

BridgeService::BridgeService(MailboxFiles files, MailboxWatcher& watcher, CommandHandler& handler,
                             FaultOptions faults, std::FILE* log)
    : files_(std::move(files)), watcher_(watcher), handler_(handler), faults_(std::move(faults)), log_(log) {}

void BridgeService::Run() {
    // A marker can only be a leftover of a service that was killed: nobody works on a command.
    files_.LowerBusyMarker();
    watcher_.SetPollPeriod(handler_.pollPeriodMs());
    LookForCommand();  // one posted before the service started
    for (;;) {
        if (watcher_.Wait(NextTimeoutMs()) == WakeReason::Stop) break;
        const Clock::time_point now = Clock::now();
        if (delayed_ && now >= delayed_->due) {
            DelayedAnswer late = std::move(*delayed_);
            delayed_.reset();
            // The library may have given up and posted another command meanwhile; an answer
            // to the old one must not be taken for the new one's.
            if (files_.CurrentCommand() == std::optional<CommandIdentity>(late.command)) {
                Publish(std::move(late.answer), late.faulty);
            } else {
                LowerMarker();
                if (log_) std::fprintf(log_, "late answer dropped: the command is gone\n");
            }
        }
        if (lowerMarkerAt_ && now >= *lowerMarkerAt_) {
            lowerMarkerAt_.reset();
            LowerMarker();
        }
        if (!delayed_) LookForCommand();
    }
    LowerMarker();
}

int BridgeService::NextTimeoutMs() const {
    std::optional<Clock::time_point> next;
    const auto consider = [&next](Clock::time_point at) {
        if (!next || at < *next) next = at;
    };
    if (delayed_) consider(delayed_->due);
    if (lowerMarkerAt_) consider(*lowerMarkerAt_);
    if (lookSoon_) consider(Clock::now() + std::chrono::milliseconds(handler_.pollPeriodMs()));
    if (!next) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

void BridgeService::LookForCommand() {
    std::optional<PostedCommand> command = files_.WaitingCommand(lookSoon_);
    if (!command || command->identity == ignored_) return;
    Serve(*command);
}

void BridgeService::Serve(const PostedCommand& command) {
    if (log_) std::fprintf(log_, "<- %s\n", command.line.c_str());
    // The library posts only when no marker stands, so a new command means a marker held on
    // after the last status (--leave-busy) has been cleared away by it.
    if (lowerMarkerAt_) {
        lowerMarkerAt_.reset();
        LowerMarker();
    }
    const bool faulty = faults_.AppliesTo(command.line);
    if (faulty && faults_.neverAnswer) {
        ignored_ = command.identity;
        if (log_) std::fprintf(log_, "-> (no answer)\n");
        return;
    }
    if (handler_.TakesLong(command.line) || (faulty && (faults_.busyForMs || faults_.leaveBusyMs))) {
        RaiseMarker();
    }
    Answer answer = handler_.Handle(command.line);
    watcher_.SetPollPeriod(handler_.pollPeriodMs());

    int delayMs = 0;
    if (faulty) delayMs = faults_.busyForMs.value_or(0) + faults_.answerLateMs.value_or(0);
    if (delayMs > 0) {
        delayed_ = DelayedAnswer{std::move(answer), command.identity,
                                 Clock::now() + std::chrono::milliseconds(delayMs), faulty};
        return;
    }
    Publish(std::move(answer), faulty);
}

void BridgeService::Publish(Answer answer, bool faulty) {
    if (faulty && faults_.forcedStatus) answer.status = *faults_.forcedStatus;
    if (faulty && faults_.malformedReply) answer.reply.erase(std::min(answer.reply.find(','), answer.reply.size()));
    // Reply first: once the status exists (and no marker stands) the library reads both.
    const bool published = files_.PublishReply(answer.reply) && files_.PublishStatus(answer.status);
    if (log_) {
        std::fprintf(log_, "-> %d %s%s\n", answer.status, answer.reply.c_str(),
                     published ? "" : " (could not be written to the mailbox)");
    }
    if (faulty && faults_.leaveBusyMs) {
        lowerMarkerAt_ = Clock::now() + std::chrono::milliseconds(*faults_.leaveBusyMs);
    } else {
        LowerMarker();
    }
}

void BridgeService::RaiseMarker() {
    files_.RaiseBusyMarker();
    markerRaised_ = true;
}

void BridgeService::LowerMarker() {
    if (!markerRaised_) return;
    files_.LowerBusyMarker();
    markerRaised_ = false;
}

}  // namespace bridge_sim
