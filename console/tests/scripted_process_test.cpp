// The program itself, run as a separate process in scripted mode, against a bridge service
// played by a thread of this test on the real file system. The point is the real second
// process: no sleep hook, real files, real polling.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kestrix_test {
namespace {

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAtomically(const fs::path& path, const std::string& bytes) {
    const fs::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    fs::rename(temporary, path);
}

// Serves the mailbox every few milliseconds: reply by command keyword, then status 0.
class ResponderThread {
public:
    ResponderThread(fs::path mailbox, std::map<std::string, std::string> replies)
        : mailbox_(std::move(mailbox)), replies_(std::move(replies)), thread_([this] { Serve(); }) {}
    ~ResponderThread() {
        stop_ = true;
        thread_.join();
    }
    std::vector<std::string> commands() {
        std::lock_guard<std::mutex> lock(mutex_);
        return commands_;
    }

private:
    void Serve() {
        const fs::path command = mailbox_ / "__bridge_cmd.txt";
        const fs::path status = mailbox_ / "__bridge_status.txt";
        std::string pending;
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            std::error_code error;
            if (!fs::exists(command, error) || fs::exists(status, error)) {
                pending.clear();
                continue;
            }
            // Answer once the command file has stood unchanged for one poll.
            const std::string text = ReadWhole(command);
            if (text.empty() || text != pending) {
                pending = text;
                continue;
            }
            pending.clear();
            {
                std::lock_guard<std::mutex> lock(mutex_);
                commands_.push_back(text);
            }
            const auto reply = replies_.find(text.substr(0, text.find(',')));
            if (reply != replies_.end()) WriteAtomically(mailbox_ / "__bridge_reply.txt", reply->second + "\r\n");
            WriteAtomically(status, "0\r\n");
        }
    }

    fs::path mailbox_;
    std::map<std::string, std::string> replies_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> commands_;
    std::thread thread_;
};

class ScriptedProcessTest : public ::testing::Test {
protected:
    ScriptedProcessTest() {
        std::string pattern = (fs::temp_directory_path() / "kestrix-process-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        fs::create_directories(mailbox());
    }
    ~ScriptedProcessTest() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    fs::path mailbox() const { return root_ / "prefix" / "drive_c" / "qbx" / "tmp"; }

    // Runs `kestrix --headless --script -` with `script` on its standard input.
    int RunKestrix(const std::string& script, std::string& output, std::string& errors) {
        const fs::path scriptFile = root_ / "script.txt";
        std::ofstream(scriptFile, std::ios::binary) << script;
        const std::string command = "WINEPREFIX='" + (root_ / "prefix").string() + "' '" KESTRIX_EXECUTABLE
                                    "' --headless --script - <'" + scriptFile.string() + "' >'" +
                                    (root_ / "out.txt").string() + "' 2>'" + (root_ / "err.txt").string() + "'";
        const int status = std::system(command.c_str());
        output = ReadWhole(root_ / "out.txt");
        errors = ReadWhole(root_ / "err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path root_;
};

TEST_F(ScriptedProcessTest, RunsAScriptAgainstARealBridgeService) {
    ResponderThread bridge(mailbox(), {{"GetSWVersion", "258"}, {"PlayScriptID", "played"}, {"SetPollTiming", "ok"}});
    std::string output;
    std::string errors;
    const int exitStatus = RunKestrix(
        "# poll the mailbox every 5 ms from the first command on\n"
        "set 1061 5\n"
        "set 1062 5\n"
        "click 1060\n"
        "print 1005\n"
        "click 1003\n"
        "print 1005\n"
        "set 1019 12abc\n"
        "click 1018\n"
        "print 1005\n"
        "click 1034\n"
        "checked 1034\n"
        "print 1005\n",
        output, errors);
    EXPECT_EQ(exitStatus, 0) << errors;
    EXPECT_EQ(errors, "");
    EXPECT_EQ(output,
              "SetPollTiming status = 0 Reply [ok\\n]\n"
              "Kov Bridge software version = 00.01.02\n"
              "Play Script ID 12 = 0 Reply [played\\n]\n"
              "1\n"
              "Framer Ctrl  1 = 0\n");
    EXPECT_EQ(bridge.commands(), (std::vector<std::string>{"SetPollTiming,029,5", "GetSWVersion,003",
                                                           "PlayScriptID,016,12", "FramerControl,017,1"}));
}

TEST_F(ScriptedProcessTest, ReportsBadLinesAndExitsWithStatusOne) {
    std::string output;
    std::string errors;
    const int exitStatus = RunKestrix("click 1002\nfrobnicate\nprint 1005\n", output, errors);
    EXPECT_EQ(exitStatus, 1);
    EXPECT_EQ(output, "DLL software version = 1.09\n");
    EXPECT_EQ(errors, "kestrix: script line 2: unknown line \"frobnicate\"\n");
}

}  // namespace
}  // namespace kestrix_test
