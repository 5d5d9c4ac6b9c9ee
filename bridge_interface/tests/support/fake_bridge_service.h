// A scripted bridge service for unit tests. It lives inside the test process and acts between
// the library's polls through the poll-sleep hook, so the number of sleeps is exact and no test
// waits on the clock. Each instance points WINEPREFIX at a fresh temporary folder, so the mailbox
// is private to the test.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mailbox_paths.h"

namespace vantrel::testing {

struct FakeResponse {
    int status = 0;
    std::optional<std::string> reply;  // no reply file when empty
};

class FakeBridgeService {
public:
    FakeBridgeService();
    ~FakeBridgeService();
    FakeBridgeService(const FakeBridgeService&) = delete;
    FakeBridgeService& operator=(const FakeBridgeService&) = delete;

    // Answers for the next commands, in order; once they are used up, every command gets the
    // default answer (status 0, no reply file) unless SetDefaultResponse says otherwise.
    void Respond(int status, std::optional<std::string> reply = std::nullopt);
    void SetDefaultResponse(int status, std::optional<std::string> reply = std::nullopt);

    // Called with each command line as it arrives, before the answer is written.
    std::function<void(const std::string& command)> onCommand;

    // Replaces the automatic answering: called at every sleep with the 1-based sleep number and
    // the period slept. Transport tests script the mailbox with it.
    std::function<void(int sleepNumber, int periodMs)> onSleep;

    const std::vector<std::string>& commands() const { return commands_; }
    const std::string& lastCommand() const;
    int sleeps() const { return static_cast<int>(sleepPeriods_.size()); }
    const std::vector<int>& sleepPeriods() const { return sleepPeriods_; }
    void ResetCounters();

    const MailboxPaths& paths() const { return paths_; }
    const std::string& root() const { return root_; }

    // File helpers, in binary: what stands on disk, byte for byte.
    static void WriteFile(const std::string& path, const std::string& bytes);
    static std::optional<std::string> ReadFile(const std::string& path);
    static bool Exists(const std::string& path);
    static void Remove(const std::string& path);

    // Creates the mailbox directory (as KovSLIMbusOpen would) without sending anything.
    void CreateMailbox();
    void RemoveMailboxDirectory();

private:
    void OnSleep(int periodMs);
    void AnswerPendingCommand();

    std::string root_;
    std::optional<std::string> savedWinePrefix_;
    MailboxPaths paths_;
    std::deque<FakeResponse> responses_;
    FakeResponse defaultResponse_;
    std::vector<std::string> commands_;
    std::vector<int> sleepPeriods_;
};

}  // namespace vantrel::testing
