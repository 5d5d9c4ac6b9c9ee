// The mailbox service on a real directory, driven by a scripted watcher: each wait of the
// service runs the next step (acting as the library would between polls), so the tests are exact
// and never wait on the clock.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bridge_service.h"
#include "mailbox_paths.h"

namespace bridge_sim {
namespace {

class ScriptedWatcher final : public MailboxWatcher {
public:
    std::vector<std::function<void()>> steps;
    std::vector<int> timeouts;  // what the service asked for at each wait

    WakeReason Wait(int timeoutMs) override {
        timeouts.push_back(timeoutMs);
        if (next_ == steps.size()) return WakeReason::Stop;
        steps[next_++]();
        return WakeReason::MailboxChanged;
    }
    const char* kind() const override { return "scripted"; }

private:
    std::size_t next_ = 0;
};

class RecordingHandler final : public CommandHandler {
public:
    std::vector<std::string> lines;
    std::vector<bool> markerDuringHandle;
    std::string markerPath;
    bool takesLong = false;

    Answer Handle(const std::string& line) override {
        lines.push_back(line);
        markerDuringHandle.push_back(access(markerPath.c_str(), F_OK) == 0);
        return Answer{7, "first,second"};
    }
    bool TakesLong(const std::string&) const override { return takesLong; }
    int pollPeriodMs() const override { return 200; }
};

class Service : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/bridge-service-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        prefix_ = pattern;
        setenv("WINEPREFIX", prefix_.c_str(), 1);
        paths_ = vantrel::CurrentMailboxPaths();
        MailboxFiles(paths_).CreateDirectory();
        handler_.markerPath = paths_.busyMarker;
    }
    void TearDown() override {
        unsetenv("WINEPREFIX");
        std::system(("rm -rf '" + prefix_ + "'").c_str());
    }

    void Run(const FaultOptions& faults = {}) {
        BridgeService(MailboxFiles(paths_), watcher_, handler_, faults, nullptr).Run();
    }

    // What the library does to post a command: old files away, then the command file.
    void Post(const std::string& line) {
        unlink(paths_.commandFile.c_str());
        unlink(paths_.statusFile.c_str());
        unlink(paths_.replyFile.c_str());
        std::ofstream(paths_.commandFile, std::ios::binary) << line;
    }
    static bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        const std::string command = "ls -A '" + paths_.directory + "'";
        FILE* pipe = popen(command.c_str(), "r");
        char name[256];
        while (pipe != nullptr && std::fgets(name, sizeof name, pipe) != nullptr) {
            names.emplace_back(name, std::strcspn(name, "\n"));
        }
        if (pipe != nullptr) pclose(pipe);
        return names;
    }
    void Then(std::function<void()> step) { watcher_.steps.push_back(std::move(step)); }

    std::string prefix_;
    vantrel::MailboxPaths paths_;
    ScriptedWatcher watcher_;
    RecordingHandler handler_;
};

TEST_F(Service, AnswersWithReplyThenStatusAndLeavesNothingElse) {
    std::ofstream(paths_.busyMarker) << "";  // left by a service that was killed
    Then([&] {
        EXPECT_FALSE(Exists(paths_.busyMarker)) << "a stale marker is cleared at start";
        Post("Close,002");
    });
    Then([&] {
        EXPECT_EQ(Read(paths_.statusFile), "7\r\n");
        EXPECT_EQ(Read(paths_.replyFile), "first,second");
        EXPECT_EQ(Listing(), (std::vector<std::string>{"__bridge_cmd.txt", "__bridge_reply.txt",
                                                       "__bridge_status.txt"}));
    });
    Run();
    EXPECT_EQ(handler_.lines, std::vector<std::string>{"Close,002"});
    EXPECT_EQ(handler_.markerDuringHandle, std::vector<bool>{false});
}

TEST_F(Service, EmptyCommandFileIsReadAgainOnceItHasContent) {
    Then([&] { Post(""); });
    Then([&] {
        EXPECT_TRUE(handler_.lines.empty());
        std::ofstream(paths_.commandFile, std::ios::binary) << "GetModel,006";
    });
    Run();
    EXPECT_EQ(handler_.lines, std::vector<std::string>{"GetModel,006"});
    // Idle: no timeout at all; after the empty file: look again after a poll period.
    ASSERT_GE(watcher_.timeouts.size(), 2u);
    EXPECT_EQ(watcher_.timeouts[0], -1);
    EXPECT_GT(watcher_.timeouts[1], 0);
    EXPECT_LE(watcher_.timeouts[1], 200);
    EXPECT_EQ(watcher_.timeouts.back(), -1);
}

TEST_F(Service, AnsweredCommandIsNotServedTwiceButTheSameTextPostedAgainIs) {
    Then([&] { Post("Close,002"); });
    Then([] {});  // polling wakes: the status still answers the command
    Then([] {});
    Then([&] { Post("Close,002"); });
    Run();
    EXPECT_EQ(handler_.lines.size(), 2u);
}

TEST_F(Service, BusyMarkerStandsOnlyWhileALongCommandIsWorkedOn) {
    handler_.takesLong = true;
    Then([&] { Post("LoadPlayScript,009,x"); });
    Then([&] { EXPECT_FALSE(Exists(paths_.busyMarker)); });
    Run();
    EXPECT_EQ(handler_.markerDuringHandle, std::vector<bool>{true});
}

TEST_F(Service, FaultsChangeWhatIsPublished) {
    struct Case {
        const char* name;
        FaultOptions faults;
        const char* command;
        bool answered;
        const char* status;
        const char* reply;
        bool markerAfter;
    };
    FaultOptions status;
    status.forcedStatus = -3;
    FaultOptions malformed;
    malformed.malformedReply = true;
    FaultOptions silent;
    silent.neverAnswer = true;
    FaultOptions leaveBusy;
    leaveBusy.leaveBusyMs = 60000;
    FaultOptions otherKeyword = status;
    otherKeyword.keyword = "GetSWVersion";
    FaultOptions thisKeyword = status;
    thisKeyword.keyword = "Close";
    const Case cases[] = {
        {"forced status", status, "Close,002", true, "-3\r\n", "first,second", false},
        {"malformed reply", malformed, "Close,002", true, "7\r\n", "first", false},
        {"never answer", silent, "Close,002", false, "", "", false},
        {"leave busy", leaveBusy, "Close,002", true, "7\r\n", "first,second", true},
        {"fault for another keyword", otherKeyword, "Close,002", true, "7\r\n", "first,second", false},
        {"fault for this keyword", thisKeyword, "Close,002", true, "-3\r\n", "first,second", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        watcher_ = ScriptedWatcher{};
        handler_.lines.clear();
        for (const std::string* path : {&paths_.busyMarker, &paths_.commandFile, &paths_.statusFile}) {
            unlink(path->c_str());
        }
        Then([&] { Post(c.command); });
        Then([] {});  // a second wake must not serve the same command again
        Then([&] {
            EXPECT_EQ(Exists(paths_.statusFile), c.answered);
            if (c.answered) {
                EXPECT_EQ(Read(paths_.statusFile), c.status);
                EXPECT_EQ(Read(paths_.replyFile), c.reply);
            }
            EXPECT_EQ(Exists(paths_.busyMarker), c.markerAfter);
        });
        Run(c.faults);
        EXPECT_EQ(handler_.lines.size(), c.answered ? 1u : 0u);
        EXPECT_FALSE(Exists(paths_.busyMarker)) << "the marker goes when the service ends";
    }
}

TEST_F(Service, MarkerHeldAfterTheStatusGoesWhenTheNextCommandComes) {
    FaultOptions faults;
    faults.leaveBusyMs = 60000;
    faults.keyword = "GetSWVersion";
    Then([&] { Post("GetSWVersion,003"); });
    Then([&] {
        EXPECT_TRUE(Exists(paths_.busyMarker));
        // The library's Open clears the mailbox, marker included, then posts its command.
        unlink(paths_.busyMarker.c_str());
        Post("Open,001");
    });
    Then([&] {
        EXPECT_EQ(Read(paths_.statusFile), "7\r\n");
        EXPECT_FALSE(Exists(paths_.busyMarker));
    });
    Run(faults);
    EXPECT_EQ(handler_.lines, (std::vector<std::string>{"GetSWVersion,003", "Open,001"}));
}

TEST_F(Service, StopWhileBusyLeavesNoMarkerAndNoStatus) {
    FaultOptions faults;
    faults.busyForMs = 60000;
    Then([&] { Post("Close,002"); });
    Then([&] { EXPECT_TRUE(Exists(paths_.busyMarker)); });
    Run(faults);
    EXPECT_FALSE(Exists(paths_.busyMarker));
    EXPECT_FALSE(Exists(paths_.statusFile));
}

}  // namespace
}  // namespace bridge_sim
