#include "transport.h"

#include <string>

#include "file_handle.h"
#include "host.h"
#include "mailbox_paths.h"
#include "number_conversion.h"
#include "poll_sleep.h"
#include "text_file.h"
#include "vantrel.h"

namespace vantrel {

int g_pollPeriodMs = kDefaultPollPeriodMs;
char g_replyBuffer[kReplyBufferSize] = {};

namespace {

// "Present" means openable for reading: a file held exclusively by someone else counts as absent.
bool IsPresent(const std::string& path) {
    return FileHandle(host::OpenFile(path, host::OpenMode::Read)) != nullptr;
}

bool WriteCommandFile(const std::string& path, const char* commandLine) {
    FileHandle file(host::OpenFile(path, host::OpenMode::WriteTruncate));
    if (!file) return false;
    WriteText(file.get(), commandLine);
    return true;
}

// Sleeps one poll period (read afresh each time) and adds it to the elapsed count.
void SleepOnePoll(int& elapsedMs) {
    const int period = g_pollPeriodMs;
    PollSleep(period);
    elapsedMs += period;
}

// The status file's first line (at most 127 characters), converted. An empty status file has no
// number at all, so it is reported as an invalid value rather than taken for success.
int ReadStatus(const std::string& path) {
    FileHandle file(host::OpenFile(path, host::OpenMode::Read));
    if (!file) return KOV_INVALID_VALUE;
    char line[kStatusReadLength];
    if (ReadTextLine(file.get(), line, kStatusReadLength) < 0) return KOV_INVALID_VALUE;
    return ConvertSignedDecimal(line);
}

}  // namespace

int PrepareMailbox() {
    g_pollPeriodMs = kDefaultPollPeriodMs;
    const MailboxPaths paths = CurrentMailboxPaths();
    host::CreateDriveC();
    host::MakeDirectory(paths.qbxDirectory);
    host::MakeDirectory(paths.directory);
    host::RemoveFile(paths.busyMarker);
    host::RemoveFile(paths.statusFile);
    host::RemoveFile(paths.commandFile);
    host::RemoveFile(paths.replyFile);
    return 0;
}

int ExecuteCommand(const char* commandLine) {
    const MailboxPaths paths = CurrentMailboxPaths();

    if (IsPresent(paths.busyMarker)) return KOV_NO_BUS_ACTIVITY_SEEN;

    host::RemoveFile(paths.commandFile);
    host::RemoveFile(paths.statusFile);
    host::RemoveFile(paths.replyFile);
    if (!WriteCommandFile(paths.commandFile, commandLine)) return KOV_COMMAND_BUSY;

    // Wait for the status file; a standing busy marker restarts the count, so a service that
    // announces long work is waited for without limit.
    for (int elapsedMs = 0;;) {
        SleepOnePoll(elapsedMs);
        if (IsPresent(paths.statusFile)) break;
        if (IsPresent(paths.busyMarker)) {
            elapsedMs = 0;
        } else if (elapsedMs >= kWaitLimitMs) {
            return KOV_INVALID_VALUE;
        }
    }

    // Wait for the busy marker to go, so the reply is complete when the status is read.
    for (int elapsedMs = 0;;) {
        SleepOnePoll(elapsedMs);
        if (!IsPresent(paths.busyMarker)) break;
        if (elapsedMs >= kWaitLimitMs) return KOV_NO_BUS_ACTIVITY_SEEN;
    }

    const int result = ReadStatus(paths.statusFile);
    host::RemoveFile(paths.busyMarker);
    host::RemoveFile(paths.commandFile);
    return result;
}

int FetchReply(char* buffer, int length) {
    if (buffer == nullptr) return KOV_INVALID_VALUE;
    FileHandle file(host::OpenFile(CurrentMailboxPaths().replyFile, host::OpenMode::Read));
    if (!file) return KOV_INVALID_VALUE;
    return ReadTextLine(file.get(), buffer, length) >= 0 ? KOV_OK : KOV_INVALID_VALUE;
}

}  // namespace vantrel

extern "C" VANTREL_API int KovSLIMbusGetReply(char* buffer, int length) {
    return vantrel::FetchReply(buffer, length);
}

extern "C" VANTREL_API int KovSLIMbusDebugMakeReply(const char* text) {
    if (text == nullptr) return 1;
    vantrel::FileHandle file(vantrel::host::OpenFile(vantrel::CurrentMailboxPaths().replyFile,
                                                     vantrel::host::OpenMode::ReadWriteTruncate));
    if (file) vantrel::WriteText(file.get(), text);
    return 1;
}
