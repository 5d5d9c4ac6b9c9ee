#include "fake_bridge_service.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "poll_sleep.h"
#include "transport.h"

namespace fs = std::filesystem;

namespace vantrel::testing {

namespace {

std::string MakeTemporaryRoot() {
    std::string pattern = (fs::temp_directory_path() / "vantrel-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

}  // namespace

FakeBridgeService::FakeBridgeService() : root_(MakeTemporaryRoot()) {
    if (const char* prefix = std::getenv("WINEPREFIX")) savedWinePrefix_ = prefix;
    ::setenv("WINEPREFIX", root_.c_str(), 1);
    paths_ = CurrentMailboxPaths();
    CreateMailbox();
    g_pollPeriodMs = kDefaultPollPeriodMs;
    g_replyBuffer[0] = '\0';
    SetPollSleepHookForTests([this](int ms) { OnSleep(ms); });
}

FakeBridgeService::~FakeBridgeService() {
    SetPollSleepHookForTests(nullptr);
    g_pollPeriodMs = kDefaultPollPeriodMs;
    if (savedWinePrefix_) {
        ::setenv("WINEPREFIX", savedWinePrefix_->c_str(), 1);
    } else {
        ::unsetenv("WINEPREFIX");
    }
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void FakeBridgeService::Respond(int status, std::optional<std::string> reply) {
    responses_.push_back({status, std::move(reply)});
}

void FakeBridgeService::SetDefaultResponse(int status, std::optional<std::string> reply) {
    defaultResponse_ = {status, std::move(reply)};
}

const std::string& FakeBridgeService::lastCommand() const {
    static const std::string none;
    return commands_.empty() ? none : commands_.back();
}

void FakeBridgeService::ResetCounters() {
    commands_.clear();
    sleepPeriods_.clear();
}

void FakeBridgeService::OnSleep(int periodMs) {
    sleepPeriods_.push_back(periodMs);
    if (onSleep) {
        onSleep(sleeps(), periodMs);
    } else {
        AnswerPendingCommand();
    }
}

void FakeBridgeService::AnswerPendingCommand() {
    const std::optional<std::string> command = ReadFile(paths_.commandFile);
    if (!command || Exists(paths_.statusFile)) return;
    commands_.push_back(*command);
    if (onCommand) onCommand(*command);
    FakeResponse response = defaultResponse_;
    if (!responses_.empty()) {
        response = responses_.front();
        responses_.pop_front();
    }
    if (response.reply) WriteFile(paths_.replyFile, *response.reply);
    WriteFile(paths_.statusFile, std::to_string(response.status) + "\r\n");
}

void FakeBridgeService::WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::optional<std::string> FakeBridgeService::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FakeBridgeService::Exists(const std::string& path) { return fs::exists(path); }

void FakeBridgeService::Remove(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

void FakeBridgeService::CreateMailbox() { fs::create_directories(paths_.directory); }

void FakeBridgeService::RemoveMailboxDirectory() {
    std::error_code ignored;
    fs::remove_all(paths_.qbxDirectory, ignored);
}

}  // namespace vantrel::testing
